#include "search/request/SearchData.h"

#include <utility>

#include "foundation/CharClass.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "foundation/TextUtils.h"
#include "platform/Host.h"
#include "search/SearchTextIds.h"
#include "search/pattern/FindText.h"
#include "search/pattern/RegExp.h"
#include "search/request/SelectedWords.h"

namespace {

const char* const kTextAfterBang =
    "Sorvane will ignore any part of the FIND pattern defined after the ! wildcard. If you select "
    "OK Sorvane will continue its search but will ignore these characters.\n\nSelect CANCEL to "
    "edit your FIND field.";
const char* const kIncludeAndExclude =
    "You cannot Include and Exclude the same letter(s).\n\nPlease alter your entry.";
const char* const kNoFind = "You have not supplied a FIND pattern.\n\nPlease Amend Your Entry.";
const char* const kBangWithoutFrom =
    "When the ! Wildcard is used, you must supply an entry in the From field.";
const char* const kFindNotInFrom =
    "Your FIND includes letters not found in your FROM field.\n\nThere can be no matches for this "
    "search definition.";

void ShowInputError(const std::string& message) {
  Host::Current().Beep();
  ShowMessageBox(message, LoadResString(kInputErrorCaption), MB_OK | MB_ICONSTOP);
}

std::string TrimSpaces(std::string text) {
  return TrimString(text, ' ', 2);
}

}  // namespace

void LoadSearchOptions(uint8_t& useAllFrom, uint8_t& suppressPermutations, uint8_t& caseSensitive,
                       uint8_t& reuseFromLetters) {
  Settings& settings = Settings::Instance();
  useAllFrom = settings.GetBool(SettingId::UseAllFrom);
  suppressPermutations = settings.GetBool(SettingId::SuppressPermutations);
  caseSensitive = settings.GetBool(SettingId::CaseSensitive);
  reuseFromLetters = settings.GetBool(SettingId::ReuseFromLetters);
}

SearchData::SearchData(VirtualLexList& lexiconList)
    : lexicons(std::make_unique<VirtualLexListView>(lexiconList)) {
  LoadSearchOptions(useAllFrom, suppressPermutations, caseSensitive, reuseFromLetters);
}

SearchData::~SearchData() = default;

bool SearchData::SetKeyWords(const std::string& text) {
  keyWords.clear();
  std::string words = TrimSpaces(text);
  if (!words.empty()) words += ' ';
  // A key word is stored lower-cased behind a blank.
  const auto keyWord = [&words](size_t start, size_t end) {
    std::string item(1, ' ');
    item += LowerCaseString(words.substr(start, end - start));
    return item;
  };
  const auto append = [&](size_t start, size_t end) {
    std::string item = keyWord(start, end);
    if (item != " ") keyWords.push_back(std::move(item));
  };
  bool inQuote = false;
  size_t start = 0;
  for (size_t i = 0; i < words.size(); ++i) {
    if (words[i] == ' ' && !inQuote) {
      append(start, i);
      start = i + 1;
    } else if (words[i] == '"' && !inQuote) {
      // Text right before an opening quote is an item of its own, as if a space stood there.
      append(start, i);
      inQuote = true;
      start = i + 1;
    } else if (words[i] == '"') {
      keyWords.push_back(keyWord(start, i));
      inQuote = false;
      start = i + 1;
    }
  }
  if (!inQuote) return true;
  ResMessageBox(kMissingQuoteText, kErrorCaption, MB_OK | MB_ICONEXCLAMATION);
  return false;
}

bool SearchData::SetFind(const std::string& text) {
  find.clear();
  const std::string trimmed = TrimSpaces(text);
  if (trimmed.empty()) return true;
  std::string pattern = CollapseSpaces(ExpandDigits(trimmed));
  const size_t bang = pattern.find('!');
  if (bang != std::string::npos && pattern.find_first_not_of(' ', bang + 1) != std::string::npos) {
    const int answer = ShowMessageBox(kTextAfterBang, LoadResString(kInvalidPatternCaption),
                                      MB_OKCANCEL | MB_ICONQUESTION);
    if (answer == IDCANCEL) return false;
    pattern.erase(bang + 1);
  }
  find = NormaliseMarks(pattern);
  const size_t space = find.find(' ');
  const bool wordAfterSpace =
      space != std::string::npos && find.find_first_not_of(' ', space) != std::string::npos;
  multiWord = (wordAfterSpace || find.find('!') != std::string::npos) ? 1 : 0;
  return true;
}

bool SearchData::SetFrom(const std::string& text) {
  from = reuseFromLetters ? text : LowerCaseString(text);
  fromLetters.Set(from);
  fromChanged = 1;
  return true;
}

bool SearchData::SetInclude(const std::string& text) {
  include = text;
  return CheckIncludeExclude();
}

bool SearchData::SetExclude(const std::string& text) {
  exclude = text;
  return CheckIncludeExclude();
}

bool SearchData::CheckIncludeExclude() {
  const std::string in = caseSensitive ? include : LowerCaseString(include);
  const std::string out = caseSensitive ? exclude : LowerCaseString(exclude);
  if (in.find_first_of(out) == std::string::npos) return true;
  ShowInputError(kIncludeAndExclude);
  return false;
}

bool SearchData::Validate() {
  try {
    if (find.empty()) throw SorvaneException(kNoFind);
    if (find.find('!') != std::string::npos && fromLetters.Total() == 0)
      throw SorvaneException(kBangWithoutFrom);
    RegExp compiled(find);
    remainingFrom = multiWord ? RemoveFindLetters() : from;
    // Only the letters each word is sure to spend leave the pool now; blanks, sets and negated
    // letters are charged when a word is tried, or a phrase would pay for them twice.
    fromLessFind = fromLetters;
    fromLessFind.TakeLetters(PlainPatternLetters(find));
    if (!from.empty()) CheckFindInFrom();
    return true;
  } catch (const RegExpException& error) {
    Host::Current().Beep();
    error.Show();
  } catch (const SorvaneException& error) {
    ShowInputError(error.what());
  }
  return false;
}

void SearchData::CheckFindInFrom() const {
  SrcLetters letters = fromLetters;
  for (char c : PlainPatternLetters(find))
    if (!letters.Take(c)) throw SorvaneException(kFindNotInFrom);
}

std::string SearchData::RemoveFindLetters() const {
  std::string rest = from;
  int depth = 0;
  for (char c : find) {
    if (c == '[') ++depth;
    if (c == ']') --depth;
    if (depth != 0 || !IsLetter(c)) continue;
    size_t at = rest.npos;
    for (size_t i = 0; i < rest.size() && at == rest.npos; ++i)
      if (FoldCase(rest[i]) == FoldCase(c)) at = i;
    if (at == rest.npos) at = rest.find('?');
    if (at != rest.npos) rest.erase(at, 1);
  }
  return rest;
}
