#pragma once
// The subset lexicon's words decoded once for a multi-word search, in stored order. Each level
// of the search keeps the positions of the words its letters can spell, and the next level looks
// only among those: its letters are a part of the level's, so it can never need another word.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/VirtualLex.h"

class PhraseWords {
 public:
  explicit PhraseWords(std::shared_ptr<const LexImage> subset);

  size_t Size() const { return entries.size(); }
  // "&" + word + "@", NUL-terminated, as the matcher takes it.
  const char* Framed(uint32_t i) const { return text.data() + entries[i].offset; }
  // The word itself, ended by the '@' of its frame (which TryWord takes as its terminator).
  const char* Word(uint32_t i) const { return Framed(i) + 1; }
  uint32_t WordLength(uint32_t i) const { return entries[i].length; }
  int32_t LetterCount(uint32_t i) const { return entries[i].letterCount; }
  // Bit n set when the word holds the letter of index n (a = 0).
  uint32_t LetterMask(uint32_t i) const { return entries[i].letterMask; }
  // Bit n set when the word holds the letter of index n more than once.
  uint32_t RepeatMask(uint32_t i) const { return entries[i].repeatMask; }
  // The first place in positions (ascending word positions) whose word stands at letterCount and
  // firstLetter (folded, a-z; anything else means "a") or later, as the lexicon's index would
  // start a walk.
  size_t Start(const std::vector<uint32_t>& positions, int32_t letterCount, char firstLetter) const;

 private:
  // What the levels test, kept together so that a scan of the candidates stays in the cache.
  struct Entry {
    uint32_t letterMask;
    uint32_t repeatMask;
    uint32_t offset;  // of the framed word in text
    uint8_t length;
    uint8_t letterCount;
    uint8_t firstLetter;  // folded
  };
  std::string text;  // every framed word, each followed by a NUL
  std::vector<Entry> entries;
};
