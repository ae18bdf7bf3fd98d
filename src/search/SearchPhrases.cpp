// The multi-word anagram search: one level per FIND word, each taking the words that fit its
// pattern and the letters still free, handing what is left to the next level.

#include <algorithm>
#include <cstring>

#include "search/CharClass.h"
#include "search/Dictionary.h"
#include "search/Results.h"
#include "search/SearchControl.h"
#include "search/SearchControlShared.h"
#include "search/SearchData.h"

namespace {

bool OnlyWildcardsLeft(const char* text) {
  for (; *text; ++text)
    if (*text != '*' && *text != ' ' && *text != '!') return false;
  return true;
}

}  // namespace

const char* SearchControl::NextFindWord(bool& isLast, bool& suppress) {
  const char* word = findText;
  wordLetters = 0;
  int depth = 0;
  char* end = findText;
  for (; *end && *end != ' '; ++end) {
    const char c = *end;
    if (c == '[') {
      ++depth;
    } else if (c == ']') {
      if (depth > 0 && --depth == 0) ++wordLetters;
    } else if (depth == 0 && (IsLetter(c) || c == '?')) {
      ++wordLetters;
    }
  }
  char* next = end;
  while (*next == ' ') ++next;
  if (*end == ' ') {
    *end = '\0';
    cut = end;
  }
  findText = next;
  if (!bangSeen && std::strchr(word, '!')) bangSeen = true;
  if (bangSeen) {
    wordLetters = 1;
    useAll = true;
    word = "*";
  }
  const bool suppressOn = shared->request.suppressPermutations != 0;
  suppress = suppressOn && (bangSeen || (std::strcmp(word, "*") == 0 && OnlyWildcardsLeft(findText)));
  isLast = *findText == '\0' && !bangSeen;
  return word;
}

int32_t SearchControl::LastWordLength(const char* word, const SrcLetters& letters) const {
  const uint32_t total = letters.Total();
  const int32_t stars = static_cast<int32_t>(std::count(word, word + std::strlen(word), '*'));
  if (FromTotal() > 0 && wordLetters - stars > static_cast<int32_t>(total)) return -1;
  if (useAll && FromTotal() > 0) {
    if (total > static_cast<uint32_t>(MaxWordLength) || total == 0) return -1;
    if (stars == 0 && wordLetters < static_cast<int32_t>(total)) return -1;
  }
  if (!useAll || total == SrcLetters::kUnlimitedTotal) return 0;
  return static_cast<int32_t>(total);
}

bool SearchControl::SearchPhrases(Results& results) {
  if (Stopped() || !shared->lexicons->subset) return false;
  bool isLast = false;
  bool suppress = false;
  const char* word = NextFindWord(isLast, suppress);
  const bool withLetters = FromTotal() > 0;
  SrcLetters letters = pool;
  if (withLetters) letters.AddPatternLetters(word);
  // A '!' phrase is complete only once its pool is spent, which an unlimited pool never is.
  if (bangSeen && letters.Total() == SrcLetters::kUnlimitedTotal) return true;
  if (withLetters && (letters.Total() == 0 || letters.Vowels() == 0)) return true;

  int32_t need = 0;
  if (isLast) {
    need = LastWordLength(word, letters);
    if (need < 0) return false;
  }
  need = std::max(minLength, need);
  if (shared->request.suppressPermutations && isLast && need != minLength) firstLetter = 0;

  auto cursor = MakeCursor(shared->lexicons->subset, true);
  const SrcLetters* from = withLetters ? &letters : nullptr;
  const char* found = nullptr;
  uint8_t result = cursor->FindNext(&found, word, from, need, static_cast<char>(firstLetter));
  bool childResult = false;
  SorvaneArray& phrase = shared->phrase;
  while (result == Dictionary::kFound) {
    const int32_t letterCount = cursor->CurrentLetterCount();
    const int32_t left = static_cast<int32_t>(letters.Total()) - letterCount;
    if (minLength != 0 && !isLast && left >= 1 && letterCount > left) {
      // No later word could be as long as this one: only words using every letter remain. The
      // last word has no later word to make room for.
      minLength = static_cast<int32_t>(letters.Total());
      if (minLength > MaxWordLength) return true;
      firstLetter = 0;
      result = cursor->FindNext(&found, word, from, minLength, 0);
      continue;
    }
    const uint32_t mark = phrase.Length();
    phrase.Append(found, static_cast<uint32_t>(std::strlen(found)));
    phrase.Append(" ", 1);
    const uint32_t lettersLeft = from ? cursor->Letters()->WorkTotal() : 0;
    const bool noFindLeft = *findText == '\0';
    const bool complete = (bangSeen && lettersLeft == 0) || (noFindLeft && !useAll) ||
                          (noFindLeft && useAll && lettersLeft == 0);
    if (complete) {
      if (PassesLetterFilters(phrase.Data())) results.Add(phrase.Data());
    } else {
      const SrcLetters rest = from ? SrcLetters::FromRemaining(*cursor->Letters()) : letters;
      const int32_t childMin = suppress ? letterCount : 0;
      const int32_t childFirst = suppress ? FoldInsensitive[static_cast<uint8_t>(found[0])] : 0;
      SearchControl child(shared, findText, rest, bangSeen, childMin, childFirst);
      childResult = child.SearchPhrases(results);
    }
    phrase.SetLength(mark);
    result = cursor->FindNext(&found, nullptr, from, 0, 0);
  }
  return result != Dictionary::kFound || childResult;
}
