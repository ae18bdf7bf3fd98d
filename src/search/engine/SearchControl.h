#pragma once
// The search engine that one search thread runs: a single pattern or anagram search over the
// selected lexicons, a multi-word anagram search over the subset lexicon (one level per FIND
// word), or a crossing search over grid words (one level per selected word). Every level of one
// search shares one gate, whose stop flag every cursor reads, so a stop reaches the whole search
// within one word without touching objects that the search thread makes and frees.

#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/engine/SearchGate.h"
#include "search/pattern/SrcLetters.h"
#include "search/selection/SearchLexicons.h"

class Dictionary;
class LetterSignature;
class Results;
class SearchData;
class SelectedWords;
struct SearchControlShared;

class SearchControl {
 public:
  enum class KeyWordTest { kWhenGiven, kNever };

  // The top engine of a search. It works on its own copy of the request's FIND text, reads the
  // images in lexicons, stops when stop is stopped (a stop set before it exists counts too) and
  // waits while it is paused; a null stop makes a gate of its own.
  // With key words in the request it starts the dictionary on the "Folder-WordNet" setting,
  // which throws SorvaneException when it cannot; crossing searches never use key words.
  SearchControl(SearchData& request, int32_t minLength, int32_t firstLetter, StopToken stop,
                std::shared_ptr<const SearchLexicons> lexicons,
                KeyWordTest keyWordTest = KeyWordTest::kWhenGiven);
  ~SearchControl();
  SearchControl(const SearchControl&) = delete;
  SearchControl& operator=(const SearchControl&) = delete;

  // Returns false when no lexicon was searched.
  bool SearchSingle(Results& results);
  bool SearchPhrases(Results& results);
  bool SearchGridWords(Results& results, SelectedWords& words, uint32_t k,
                       std::vector<std::string>& chosen);
  // Asks every level of the search to stop. Callable from any thread.
  void Stop();
  // The Include and Exclude test.
  bool PassesLetterFilters(const char* word) const;

 private:
  struct PhraseLevel;
  // How planning a phrase level ended: with words to walk, with none, or with a last word whose
  // length the letters cannot meet.
  enum class LevelStart { kWalk, kNoWord, kNoLastWord };
  // A child level of a multi-word or crossing search.
  SearchControl(std::shared_ptr<SearchControlShared> shared, char* findText, const SrcLetters& pool,
                bool bangSeen, int32_t minLength, int32_t firstLetter);
  // The positions of the words this level's letters can spell, among the candidates that stand
  // at (letterCount, firstLetter) or later, leaving out those whose letter count lies strictly
  // between unusedAbove and unusedBelow.
  const std::vector<uint32_t>& SpellableWords(const SrcLetters& letters, bool ownLetters,
                                              int32_t letterCount, char firstLetter,
                                              int32_t unusedAbove, int32_t unusedBelow);
  // Takes this level's FIND word and settles what its walk needs.
  LevelStart PlanLevel(PhraseLevel& level);
  // Takes each word of the level in turn: completes a phrase with it, or hands the letters it
  // leaves to a level below.
  void WalkLevel(Results& results, PhraseLevel& level);
  // Cuts the current FIND word off the rest and returns its pattern.
  const char* NextFindWord(bool& isLast, bool& suppress);
  // The letter count the last word must have (0: any), or -1 when no word can complete the
  // phrase.
  int32_t LastWordLength(const char* word, const SrcLetters& letters) const;
  // The list of words of a phrase level, emptied.
  std::vector<uint32_t>& LevelWords(uint32_t level);
  // For a '!' level with permutations suppressed and exact letters: when the level below, whose
  // words stand at (minimum, first) or later among spellable, could take only words of all its
  // letters (total of them, vowels among them, packed in restLetters), completes the phrase with
  // each of those words and returns true; false when that level must run.
  bool TakeWordsOfAllLetters(Results& results, uint32_t total, uint32_t vowels,
                             const LetterSignature& restLetters,
                             const std::vector<uint32_t>& spellable, int32_t minimum, char first);
  std::unique_ptr<Dictionary> MakeCursor(std::shared_ptr<const LexImage> image, bool setCase) const;
  // A checkpoint between words: waits while the search is paused; true once it is stopped.
  bool ShouldStop() const { return gate->Checkpoint(); }
  uint32_t FromTotal() const;

  std::shared_ptr<SearchControlShared> shared;
  // The shared gate itself: checked once a word, it should cost one load, not three.
  SearchGate* gate;
  char* findText;
  SrcLetters pool;
  bool bangSeen = false;
  // Where this level's words start: the shortest, and the first letter of those that length.
  const int32_t minLength;
  const int32_t firstLetter;
  int32_t wordLetters = 0;
  bool useAll;
  char* cut = nullptr;
  // Phrase levels: the words the level above could spell (null: every word), and this level's
  // depth.
  const std::vector<uint32_t>* candidates = nullptr;
  uint32_t depth = 0;
};
