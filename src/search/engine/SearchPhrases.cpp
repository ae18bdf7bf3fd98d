// The multi-word anagram search: one level per FIND word, each taking the words that fit its
// pattern and the letters still free, in the subset lexicon's order, and handing what is left
// to the next level.

#include <algorithm>
#include <cstring>
#include <memory>
#include <utility>
#include <vector>

#include "foundation/CharClass.h"
#include "search/pattern/FindText.h"
#include "search/pattern/RegExp.h"
#include "search/results/Results.h"
#include "search/engine/SearchControl.h"
#include "search/engine/SearchControlShared.h"
#include "search/request/SearchData.h"

namespace {

// Letters without blanks, none unlimited and none past a signature's cap: their signature holds
// them exactly, and the words made of all of them can be looked up.
bool SignedExactly(const SrcLetters& letters) {
  return letters.Total() != SrcLetters::kUnlimitedTotal && letters.Counts()[kBlankIndex] == 0 &&
         LetterSignature::Exact(letters.Counts());
}

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

const std::vector<uint32_t>& SearchControl::SpellableWords(const SrcLetters& letters,
                                                           bool ownLetters, int32_t letterCount,
                                                           char firstLetter, int32_t unusedAbove,
                                                           int32_t unusedBelow) {
  PhraseWords& words = *shared->phraseWords;
  std::vector<uint32_t>& spellable = LevelWords(depth);
  // Letters of this level's own pattern are not among the level above's, so its words may not be.
  const std::vector<uint32_t>& base = candidates && !ownLetters ? *candidates : shared->everyWord;
  SrcLetters trial = letters;
  // Words stand by letter count: past the letters' total none can be spelt.
  const int32_t longest = letters.Total() == SrcLetters::kUnlimitedTotal
                              ? MaxWordLength
                              : static_cast<int32_t>(letters.Total());
  // Without blanks the letter counts decide at once, but for words that hold a letter more often
  // than a signature counts.
  const bool blanks = letters.Counts()[kBlankIndex] != 0;
  const LetterSignature held = LetterSignature::OfCounts(letters.Counts());
  // Among the words using every letter, those of exactly these letters are looked up instead.
  const bool lookUp = SignedExactly(letters) && words.FindsAnagrams();
  if (lookUp && unusedBelow == longest && letterCount > unusedAbove) {
    // Every shorter count this level might take lies in the span it passes over: only words of
    // exactly its letters remain.
    const uint32_t first = words.FirstAnagram(held);
    if (first != PhraseWords::kNoWord)
      words.AppendAnagrams(base, words.Start(base, letterCount, firstLetter), first, longest,
                           spellable);
    return spellable;
  }
  for (size_t at = words.Start(base, letterCount, firstLetter); at < base.size(); ++at) {
    const uint32_t i = base[at];
    const int32_t count = words.LetterCount(i);
    if (count > longest) break;
    if (count == longest && lookUp) {
      words.AppendAnagrams(base, at, words.FirstAnagram(held), count, spellable);
      break;
    }
    if (count > unusedAbove && count < unusedBelow) {
      at = words.StartOfLength(base, unusedBelow) - 1;
      continue;
    }
    if (!blanks) {
      if (!held.Holds(words.Signature(i))) continue;
      if (words.SignatureExact(i)) {
        spellable.push_back(i);
        continue;
      }
    }
    if (trial.TryWord(words.Word(i), '@') == 0) spellable.push_back(i);
  }
  return spellable;
}

std::vector<uint32_t>& SearchControl::LevelWords(uint32_t level) {
  while (shared->spellable.size() <= level) shared->spellable.emplace_back();
  std::vector<uint32_t>& words = shared->spellable[level];
  words.clear();
  return words;
}

bool SearchControl::TakeWordsOfAllLetters(Results& results, uint32_t total, uint32_t vowels,
                                          const LetterSignature& restLetters,
                                          const std::vector<uint32_t>& spellable,
                                          int32_t minimum, char first) {
  // The level below would end at once, or look up the words of all its letters as SpellableWords
  // does and complete the phrase with each; done here, it costs no level of its own.
  if (2 * minimum <= static_cast<int32_t>(total)) return false;
  if (vowels == 0) return true;
  PhraseWords& words = *shared->phraseWords;
  const uint32_t firstWord = words.FirstAnagram(restLetters);
  if (firstWord == PhraseWords::kNoWord) return true;
  std::vector<uint32_t>& found = LevelWords(depth + 1);
  words.AppendAnagrams(spellable, words.Start(spellable, minimum, first), firstWord,
                       static_cast<int32_t>(total), found);
  SorvaneArray& phrase = shared->phrase;
  for (const uint32_t i : found) {
    if (ShouldStop()) break;
    const uint32_t mark = phrase.Length();
    phrase.Append(words.Word(i), words.WordLength(i));
    phrase.Append(" ", 1);
    if (PassesLetterFilters(phrase.Data())) results.Add(phrase.Data());
    phrase.SetLength(mark);
  }
  return true;
}

// What a level settles before it walks its words: its FIND word's matcher, its letters, and
// where among which words the walk starts.
struct SearchControl::PhraseLevel {
  explicit PhraseLevel(const SrcLetters& pool) : letters(pool) {}

  bool isLast = false;
  // One order of words: no later level looks before the word this one takes.
  bool suppress = false;
  bool withLetters = false;
  // With exact letters what each word leaves follows from its own: the count from its letter
  // count, the letters packed by a subtraction. Only a level below that runs needs them spelt out.
  bool counted = false;
  // The level's pool, with its pattern's own letters once planned; words are spelt on their
  // working copy.
  SrcLetters letters;
  LetterSignature held;  // the letters packed, when counted
  // Made on the heap only when needed: an empty one costs every level the clearing of its room.
  // "*" takes every word and holds no letters: most levels need no matcher at all.
  std::unique_ptr<RegExp> matcher;
  int32_t patternLength = 0;
  bool fixedLength = false;  // the pattern has one length, which ends the walk
  char patternFirst = 0;
  // The walk starts at the first word of need letters and firstLetter or later.
  int32_t need = 0;
  char firstLetter = 0;
  const std::vector<uint32_t>* spellable = nullptr;

  // The letter count and first letter a walk from (minimum, first) starts at: no word shorter
  // than the pattern can match it, and with no first letter given the pattern's own picks it.
  std::pair<int32_t, char> StartKey(int32_t minimum, char first) const {
    return std::pair{std::max({1, patternLength, minimum}), first ? first : patternFirst};
  }
  // The place in spellable of the first word with at least minimum letters, from first on.
  size_t StartAt(const PhraseWords& words, int32_t minimum, char first) const {
    const auto [count, letter] = StartKey(minimum, first);
    if (count > MaxWordLength) return spellable->size();
    return words.Start(*spellable, count, letter);
  }
};

bool SearchControl::SearchPhrases(Results& results) {
  if (ShouldStop() || !shared->lexicons->subset) return false;
  if (!shared->phraseWords) {
    shared->phraseWords = std::make_unique<PhraseWords>(shared->lexicons->subset);
    shared->everyWord.resize(shared->phraseWords->Size());
    for (uint32_t i = 0; i < shared->everyWord.size(); ++i) shared->everyWord[i] = i;
  }
  PhraseLevel level(pool);
  const LevelStart start = PlanLevel(level);
  if (start == LevelStart::kWalk) WalkLevel(results, level);
  return start != LevelStart::kNoLastWord;
}

SearchControl::LevelStart SearchControl::PlanLevel(PhraseLevel& level) {
  const char* word = NextFindWord(level.isLast, level.suppress);
  level.withLetters = FromTotal() > 0;
  SrcLetters& letters = level.letters;
  const bool matchAll = std::strcmp(word, "*") == 0;
  if (level.withLetters && !matchAll) letters.AddPatternLetters(word);
  // A '!' phrase is complete only once its pool is spent, which an unlimited pool never is.
  if (bangSeen && letters.Total() == SrcLetters::kUnlimitedTotal) return LevelStart::kNoWord;
  if (level.withLetters && (letters.Total() == 0 || letters.Vowels() == 0))
    return LevelStart::kNoWord;

  int32_t need = 0;
  if (level.isLast) {
    need = LastWordLength(word, letters);
    if (need < 0) return LevelStart::kNoLastWord;
  }
  level.need = std::max(minLength, need);
  level.firstLetter = static_cast<char>(firstLetter);
  if (shared->request.suppressPermutations && level.isLast && level.need != minLength)
    level.firstLetter = 0;

  if (!matchAll) {
    level.matcher = std::make_unique<RegExp>(word);
    level.matcher->SetCaseSensitive(shared->request.caseSensitive != 0);
    level.patternLength = level.matcher->MinLength();
    level.fixedLength = level.matcher->SegmentCount() == 1;
  }
  level.patternFirst = static_cast<char>(FoldCase(word[0]));
  const auto [startCount, startFirst] = level.StartKey(level.need, level.firstLetter);
  if (startCount > MaxWordLength) return LevelStart::kNoWord;
  // With permutations suppressed, no later level looks before the word this one takes, so the
  // words before this level's start need no test.
  // A later level has at most total - startCount letters left. Where the walk goes on to the
  // words using every letter once a word would leave less than itself, a word longer than that
  // but short of every letter is used by no level from here on.
  const int32_t total = static_cast<int32_t>(letters.Total());
  const bool jumps =
      minLength != 0 && !level.isLast && letters.Total() != SrcLetters::kUnlimitedTotal;
  const int32_t unusedAbove = jumps ? total - startCount : 0;
  const int32_t unusedBelow = jumps ? total : 0;
  const bool ownLetters = !matchAll && !PlainPatternLetters(word).empty();
  level.spellable =
      !level.withLetters ? &shared->everyWord
      : level.suppress
          ? &SpellableWords(letters, ownLetters, startCount, startFirst, unusedAbove, unusedBelow)
          : &SpellableWords(letters, ownLetters, 1, 'a', unusedAbove, unusedBelow);

  level.counted =
      level.withLetters && SignedExactly(letters) && shared->phraseWords->FindsAnagrams();
  if (level.counted) level.held = LetterSignature::OfCounts(letters.Counts());
  return LevelStart::kWalk;
}

void SearchControl::WalkLevel(Results& results, PhraseLevel& level) {
  const PhraseWords& words = *shared->phraseWords;
  const std::vector<uint32_t>& spellable = *level.spellable;
  const RegExp* matcher = level.matcher.get();
  SrcLetters& letters = level.letters;
  const bool withLetters = level.withLetters;
  const bool counted = level.counted;
  const bool suppress = level.suppress;
  // Once a word would leave fewer letters than it holds, the walk goes on to the words using
  // every letter, and takes none shorter from then on.
  int32_t shortest = minLength;
  SorvaneArray& phrase = shared->phrase;
  for (size_t at = level.StartAt(words, level.need, level.firstLetter); at < spellable.size();
       ++at) {
    if (ShouldStop()) break;
    const uint32_t i = spellable[at];
    const int32_t letterCount = words.LetterCount(i);
    if (level.fixedLength && letterCount > level.patternLength) break;
    if (matcher && !matcher->Match(words.Framed(i))) continue;
    const int32_t left = static_cast<int32_t>(letters.Total()) - letterCount;
    if (shortest != 0 && !level.isLast && left >= 1 && letterCount > left) {
      // No later word could be as long as this one: only words using every letter remain. The
      // last word has no later word to make room for.
      shortest = static_cast<int32_t>(letters.Total());
      if (shortest > MaxWordLength) return;
      at = level.StartAt(words, shortest, 0) - 1;
      continue;
    }
    const char* found = words.Word(i);
    if (withLetters && !counted) letters.TryWord(found, '@');
    const uint32_t mark = phrase.Length();
    phrase.Append(found, words.WordLength(i));
    phrase.Append(" ", 1);
    const uint32_t lettersLeft = !withLetters ? 0
                                 : counted    ? letters.Total() - letterCount
                                              : letters.WorkTotal();
    const bool noFindLeft = *findText == '\0';
    const bool complete = (bangSeen && lettersLeft == 0) || (noFindLeft && !useAll) ||
                          (noFindLeft && useAll && lettersLeft == 0);
    if (complete) {
      if (PassesLetterFilters(phrase.Data())) results.Add(phrase.Data());
    } else {
      const int32_t childMin = suppress ? letterCount : 0;
      const int32_t childFirst = suppress ? FoldInsensitive[static_cast<uint8_t>(found[0])] : 0;
      // Spelling a word from finite letters spends one vowel for each it holds, down to none.
      const uint32_t vowels = letters.Vowels();
      const uint32_t vowelsLeft = counted ? vowels - std::min(vowels, words.Vowels(i)) : 0;
      const bool taken = bangSeen && suppress && counted &&
                         TakeWordsOfAllLetters(results, lettersLeft, vowelsLeft,
                                               level.held.Without(words.Signature(i)), spellable,
                                               childMin, static_cast<char>(childFirst));
      if (!taken) {
        if (counted) letters.TryWord(found, '@');
        const SrcLetters rest = withLetters ? SrcLetters::FromRemaining(letters) : letters;
        SearchControl child(shared, findText, rest, bangSeen, childMin, childFirst);
        child.candidates = &spellable;
        child.depth = depth + 1;
        child.SearchPhrases(results);
      }
    }
    phrase.SetLength(mark);
  }
}
