#pragma once
// The subset lexicon's words decoded once for a multi-word search, in stored order. Each level
// of the search keeps the positions of the words its letters can spell, and the next level looks
// only among those: its letters are a part of the level's, so it can never need another word.

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/CharClass.h"
#include "search/pattern/LetterSignature.h"
#include "search/lexicon/VirtualLex.h"

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
  // The word's letter counts, accents folded, marks left out.
  const LetterSignature& Signature(uint32_t i) const { return entries[i].signature; }
  // False when the word holds a letter more often than its signature counts: only a full
  // test then tells whether some letters spell it.
  bool SignatureExact(uint32_t i) const { return entries[i].signatureExact; }
  // The letters of the word that are vowels, as spelling it takes them from a pool.
  uint32_t Vowels(uint32_t i) const { return entries[i].vowels; }
  // The first place in positions (ascending word positions) whose word stands at letterCount and
  // firstLetter (folded, a-z; anything else means "a") or later, as the lexicon's index would
  // start a walk.
  size_t Start(const std::vector<uint32_t>& positions, int32_t letterCount, char firstLetter) const;
  // The first place in positions whose word has letterCount letters or more.
  size_t StartOfLength(const std::vector<uint32_t>& positions, int32_t letterCount) const;
  static constexpr uint32_t kNoWord = UINT32_MAX;
  // False when some word's letter count differs from the sum of its letters, so that equal
  // letters need not mean an equal count: the anagram look-up is then not to be used.
  bool FindsAnagrams() const { return countsAddUp; }
  // The first word, in stored order, made of exactly the letters of the signature, whose counts
  // are exact; kNoWord when there is none.
  uint32_t FirstAnagram(const LetterSignature& letters);
  // Appends to out, in order, the words from `first` on made of the same letters that have
  // letterCount letters and stand in positions from place `from` on.
  void AppendAnagrams(const std::vector<uint32_t>& positions, size_t from, uint32_t first,
                      int32_t letterCount, std::vector<uint32_t>& out) const;

 private:
  // What the levels test, kept together so that a scan of the candidates stays in the cache.
  struct Entry {
    LetterSignature signature;
    uint32_t offset;  // of the framed word in text
    uint8_t length;
    uint8_t letterCount;
    uint8_t firstLetter;  // folded
    uint8_t vowels : 7;
    uint8_t signatureExact : 1;
  };
  static_assert(sizeof(Entry) == 24, "a scan of the candidates reads one record a word");
  // Where a word stands in the walk's order, letter count first: Start's key.
  static constexpr size_t kRanks = (MaxWordLength + 1) * 28;
  static int32_t Rank(int32_t letterCount, int32_t firstLetter);
  bool UsesRanks(int32_t letterCount) const {
    return ranked && letterCount >= 0 && letterCount <= MaxWordLength;
  }
  static size_t PositionFrom(const std::vector<uint32_t>& positions, uint32_t position);
  size_t SearchStart(const std::vector<uint32_t>& positions, int32_t letterCount,
                     uint8_t firstLetter) const;

  // Builds the anagram table on first use: a phrase search that never needs it never pays.
  void IndexAnagrams();
  size_t AnagramSlot(const LetterSignature& letters) const;

  std::string text;  // every framed word, each followed by a NUL
  std::vector<Entry> entries;
  // When the words stand in Rank order, as a lexicon keeps them: per rank, the position of the
  // first word of that rank or later, so Start compares positions alone.
  bool ranked = true;
  std::array<uint32_t, kRanks> firstAtRank{};
  bool countsAddUp = true;
  // An open-addressed table of the words with exact signatures, by signature: each slot holds
  // the first word of its letters, and nextAnagram leads from each word to the next.
  std::vector<uint32_t> anagramHeads;
  std::vector<uint32_t> nextAnagram;
  int anagramShift = 0;  // of the hash, leaving the bits that pick a slot
};
