#pragma once
// The subset lexicon's words decoded once for a multi-word search, in stored order. Each level
// of the search keeps the positions of the words its letters can spell, and the next level looks
// only among those: its letters are a part of the level's, so it can never need another word.

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "search/VirtualLex.h"

class PhraseWords {
 public:
  explicit PhraseWords(std::shared_ptr<const LexImage> subset);

  size_t Size() const { return framed.size(); }
  // "&" + word + "@", as the matcher takes it.
  const std::string& Framed(uint32_t i) const { return framed[i]; }
  // The word itself, ended by the '@' of its frame (which TryWord takes as its terminator).
  const char* Word(uint32_t i) const { return framed[i].c_str() + 1; }
  uint32_t WordLength(uint32_t i) const { return static_cast<uint32_t>(framed[i].size() - 2); }
  int32_t LetterCount(uint32_t i) const { return letterCounts[i]; }
  // Bit n set when the word holds the letter of index n (a = 0).
  uint32_t LetterMask(uint32_t i) const { return letterMasks[i]; }
  // Bit n set when the word holds the letter of index n more than once.
  uint32_t RepeatMask(uint32_t i) const { return repeatMasks[i]; }
  // The first place in positions (ascending word positions) whose word stands at letterCount and
  // firstLetter (folded, a-z; anything else means "a") or later, as the lexicon's index would
  // start a walk.
  size_t Start(const std::vector<uint32_t>& positions, int32_t letterCount, char firstLetter) const;

 private:
  std::vector<std::string> framed;
  std::vector<int32_t> letterCounts;
  std::vector<uint8_t> firstLetters;  // folded
  std::vector<uint32_t> letterMasks;
  std::vector<uint32_t> repeatMasks;
};
