#pragma once
// Counts of the letters a-z packed four bits a letter, a-m in one word and n-z in the other, so
// that whether one multiset of letters holds another takes two subtractions and a mask test.
// A field counts 0-7 under a guard bit that a subtraction clears only where it borrows.

#include <algorithm>
#include <cstdint>

class LetterSignature {
 public:
  // Larger counts are kept as this, which still tells whether a pool holds a word as long as
  // the word's own counts are exact.
  static constexpr uint8_t kMostExact = 7;

  // From the counts of a-z (index 0-25).
  static LetterSignature OfCounts(const uint8_t* counts) {
    LetterSignature signature;
    for (int n = 0; n < kLettersAHalf; ++n) {
      signature.low |= Field(counts[n], n);
      signature.high |= Field(counts[kLettersAHalf + n], n);
    }
    return signature;
  }

  // True when no count of a-z passes kMostExact.
  static bool Exact(const uint8_t* counts) {
    return std::all_of(counts, counts + 2 * kLettersAHalf,
                       [](uint8_t count) { return count <= kMostExact; });
  }

  // True when each count of word is at most this one's, word's counts being exact.
  bool Holds(const LetterSignature& word) const {
    const uint64_t kept = ((low | kGuards) - word.low) & ((high | kGuards) - word.high);
    return (kept & kGuards) == kGuards;
  }
  // The letters left once word's are taken, where this holds word and both are exact.
  LetterSignature Without(const LetterSignature& word) const {
    LetterSignature left;
    left.low = low - word.low;
    left.high = high - word.high;
    return left;
  }
  bool operator==(const LetterSignature&) const = default;
  // Mixes every field into the high bits, for a table of a power-of-two size.
  uint64_t Hash() const {
    return (low * 0x9E3779B97F4A7C15u) ^ ((high ^ (high >> 29)) * 0xC2B2AE3D27D4EB4Fu);
  }

 private:
  static constexpr int kLettersAHalf = 13;
  static constexpr uint64_t kGuards = 0x0008888888888888;  // the top bit of each of 13 fields

  static uint64_t Field(uint8_t count, int n) {
    return static_cast<uint64_t>(std::min(count, kMostExact)) << (4 * n);
  }

  uint64_t low = 0;   // a-m
  uint64_t high = 0;  // n-z
};
