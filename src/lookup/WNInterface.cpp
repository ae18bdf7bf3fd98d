#include "lookup/WNInterface.h"

#include <algorithm>
#include <cstring>
#include <mutex>

#include "foundation/TextUtils.h"
#include "foundation/SorvaneException.h"
#include "lookup/WordNetLibrary.h"
#include "lookup/WordNetLock.h"
#include "foundation/CharClass.h"

namespace {

constexpr size_t npos = std::string::npos;
constexpr int kOverviewSearch = 31;

constexpr uint32_t SearchBit(int32_t searchType) { return uint32_t{1} << searchType; }

std::string Replaced(std::string text, char from, char to) {
  std::replace(text.begin(), text.end(), from, to);
  return text;
}

// Glosses are shaped as the C run time does in the "C" locale, whatever locale the user runs.
char AsciiUpper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }
bool IsAsciiAlphanumeric(char c) { return (ClassOf(c) & kAsciiLetter) || (c >= '0' && c <= '9'); }

}  // namespace

WNInterface::WNInterface(const std::string& dictionaryFolder)
    : glossStart("-- ("), showExamples(1), glossEnd(")\n"), folder(dictionaryFolder) {
  int started;
  {
    std::lock_guard lock(WordNetLock());
    started = WordNetLibrary::Current().Start(folder);
  }
  if (started != 0) throw SorvaneException("Unable to Initialise WordNet Files");
  posNames = {"All", "Nouns", "Verbs", "Adjectives", "Adverbs"};
}

void WNInterface::SetShowExamples(bool show) {
  showExamples = show ? 1 : 0;
  glossEnd = show ? ")\n" : " \"";
}

void WNInterface::Search(const std::string& word, int partOfSpeech) {
  std::lock_guard lock(WordNetLock());
  SearchDefinitions(word, partOfSpeech);
  SearchRelations();
}

void WNInterface::SearchDefinitions(const std::string& word, int partOfSpeech) {
  for (auto& list : definitions) list.clear();
  senseCount.fill(0);
  relationMask.fill(0);

  std::string folded = word;
  for (char& c : folded) c = static_cast<char>(FoldSensitive[static_cast<uint8_t>(c)]);
  if (partOfSpeech == 0) {
    for (int p = 1; p <= 4; ++p) SearchOverview(folded, p);
  } else if (partOfSpeech >= 1 && partOfSpeech <= 4) {
    SearchOverview(folded, partOfSpeech);
  }
}

void WNInterface::SearchOverview(const std::string& word, int partOfSpeech) {
  WordNetLibrary& library = WordNetLibrary::Current();
  const std::string key = Replaced(word, ' ', '_');
  library.SetOutputFlags(true, true);
  relationMask[partOfSpeech] |= IsDefined(key, partOfSpeech);
  UpdateMaskUnion();
  AddDefinition(FindTheInfo(key, partOfSpeech, kOverviewSearch), LowerCaseString(word),
                partOfSpeech);
  // Every base form is searched as it comes, even one equal to the word or to an earlier form.
  for (const std::string& form : library.BaseForms(key, partOfSpeech)) {
    relationMask[partOfSpeech] |= IsDefined(form, partOfSpeech);
    UpdateMaskUnion();
    AddDefinition(FindTheInfo(form, partOfSpeech, kOverviewSearch), Replaced(form, '_', ' '),
                  partOfSpeech);
  }
}

void WNInterface::AddDefinition(const LookupMemo::Noted& found, std::string word,
                                int partOfSpeech) {
  if (found.text.empty()) return;
  const auto printed = static_cast<uint32_t>(std::max(0, found.printedSenses));
  senseCount[partOfSpeech] += printed;
  senseCount[0] += printed;
  defItem item;
  item.word = std::move(word);
  ParseOverview(found.text, item);
  definitions[partOfSpeech - 1].push_back(std::move(item));
}

void WNInterface::ParseOverview(std::string_view text, defItem& item) const {
  for (size_t pos = text.find(glossStart); pos != npos && pos < text.size();) {
    const size_t start = pos + glossStart.size();
    // Looking for the end from start itself lets a gloss closed at once come out empty
    // instead of running on into the next sense.
    const size_t end =
        std::min({text.find(glossEnd, start), text.find(")\n", start), text.size()});
    std::string gloss(text.substr(start, end - start));
    if (!gloss.empty()) {
      gloss.front() = AsciiUpper(gloss.front());
      const char last = gloss.back();
      if (!IsAsciiAlphanumeric(last) && last != '"' && last != ')') gloss.pop_back();
    }
    gloss += '.';
    item.glosses.push_back(std::move(gloss));
    pos = text.find(glossStart, end + 1);
  }
}

void WNInterface::SearchRelations() {
  WordNetLibrary::Current().SetOutputFlags(false, false);
  for (int r = 0; r < kRelationCount; ++r) {
    const RelationRow& row = relationTable[r];
    for (int p = 1; p <= 4; ++p) {
      std::vector<crossRefItem>& items = crossRefs[r][p - 1];
      items.clear();
      if (!(relationMask[p] & SearchBit(row.searchType))) continue;
      // A running total: once a form has given entries, later forms are listed even when empty.
      int32_t found = 0;
      for (const defItem& definition : definitions[p - 1]) {
        const std::string text(
            FindTheInfo(Replaced(definition.word, ' ', '_'), p, row.searchType).text);
        if (text.empty()) continue;
        crossRefItem item{definition.word, {}};
        found += row.parser(text, row.marker, definition.word, item.words);
        if (found != 0) items.push_back(std::move(item));
      }
      if (found == 0) {
        relationMask[p] &= ~SearchBit(row.searchType);
        UpdateMaskUnion();
      }
    }
  }
}

uint32_t WNInterface::IsDefined(const std::string& word, int partOfSpeech) {
  WordNetLibrary& library = WordNetLibrary::Current();
  if (!memo) return library.IsDefined(word, partOfSpeech);
  return memo->Defined(word, partOfSpeech, [&] { return library.IsDefined(word, partOfSpeech); });
}

LookupMemo::Noted WNInterface::FindTheInfo(const std::string& word, int partOfSpeech,
                                           int searchType) {
  WordNetLibrary& library = WordNetLibrary::Current();
  const auto ask = [&] {
    LookupMemo::Text found{library.FindTheInfo(word, partOfSpeech, searchType), 0};
    found.printedSenses = library.PrintedSenseCount();
    return found;
  };
  if (memo) return memo->Search(word, partOfSpeech, searchType, ask);
  asked = ask();
  return {asked.text, asked.printedSenses};
}

void WNInterface::UpdateMaskUnion() {
  relationMask[0] = relationMask[1] | relationMask[2] | relationMask[3] | relationMask[4];
}

bool WNInterface::GetRelationCaptions(std::vector<std::string>& captions,
                                      int partOfSpeech) const {
  if (partOfSpeech < 0 || partOfSpeech > 4) return false;
  bool appended = false;
  for (const RelationRow& row : relationTable) {
    if (!(relationMask[partOfSpeech] & SearchBit(row.searchType))) continue;
    captions.emplace_back(row.caption);
    appended = true;
  }
  return appended;
}

int32_t WNInterface::RelationIndex(const char* caption) {
  if (!caption) return -1;
  for (int r = 0; r < kRelationCount; ++r)
    if (std::strcmp(relationTable[r].caption, caption) == 0) return r;
  return -1;
}

bool WNInterface::MatchesKeyWords(const std::string& word,
                                  const std::vector<std::string>& keyWords) {
  SetShowExamples(false);
  // The blank in front lets a key word (which starts with one) match at the text's first word.
  const TextTest holdsKeyWord = [&keyWords](const std::string& text) {
    std::string lowered(1, ' ');
    lowered += LowerCaseString(text);
    return std::any_of(keyWords.begin(), keyWords.end(), [&lowered](const std::string& key) {
      return lowered.find(key) != npos;
    });
  };
  if (!rememberLookups) {
    Search(word, 0);
    return GlossesHold(holdsKeyWord) || RelationEntriesHold(holdsKeyWord);
  }
  if (!memo || memoKeyWords != keyWords) {
    memo = std::make_unique<LookupMemo>();
    memoKeyWords = keyWords;
  }
  std::lock_guard lock(WordNetLock());
  if (!keptEntries) keptEntries = std::make_unique<ParsedEntriesKept>();
  SearchDefinitions(word, 0);
  for (auto& relation : crossRefs)
    for (auto& list : relation) list.clear();
  if (GlossesHold(holdsKeyWord)) return true;
  // The relations searched for a form depend on its part of speech and the bits the word's
  // forms set there, and on nothing else: with them, a form's verdict holds for every word.
  WordNetLibrary::Current().SetOutputFlags(false, false);
  for (int p = 1; p <= 4; ++p) {
    for (const defItem& definition : definitions[p - 1]) {
      const auto test = [&] { return FormEntriesHold(definition.word, p, holdsKeyWord); };
      if (memo->Holds(definition.word, p, relationMask[p], test)) return true;
    }
  }
  return false;
}

bool WNInterface::GlossesHold(const TextTest& holds) const {
  if (senseCount[0] == 0) return false;
  for (const auto& list : definitions)
    for (const defItem& item : list)
      for (const std::string& gloss : item.glosses)
        if (holds(gloss)) return true;
  return false;
}

bool WNInterface::RelationEntriesHold(const TextTest& holds) const {
  for (const auto& relation : crossRefs)
    for (const auto& list : relation)
      for (const crossRefItem& item : list)
        for (const crossRefWordItem& entry : item.words)
          if (holds(entry.text)) return true;
  return false;
}

bool WNInterface::FormEntriesHold(const std::string& form, int partOfSpeech,
                                  const TextTest& holds) {
  // Straight from the library: a relation text is read once, for the verdict the memo keeps.
  WordNetLibrary& library = WordNetLibrary::Current();
  const std::string key = Replaced(form, ' ', '_');
  for (const RelationRow& row : relationTable) {
    if (!(relationMask[partOfSpeech] & SearchBit(row.searchType))) continue;
    const std::string text = library.FindTheInfo(key, partOfSpeech, row.searchType);
    if (text.empty()) continue;
    std::vector<crossRefWordItem> entries;
    row.parser(text, row.marker, form, entries);
    for (const crossRefWordItem& entry : entries)
      if (holds(entry.text)) return true;
  }
  return false;
}
