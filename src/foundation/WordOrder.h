#pragma once
// The alphabetical order of results, as a strict weak order. CompareWords is not one where
// marks occur: "ab" and "AB" are equal, yet "a-b" sorts below the one and above the other, and
// "e-mail" < "em" < "emaciate" < "e-mail" is a cycle. A sort over such a comparison keeps or
// drops repeats, and orders words, by the order in which it happens to meet them.
//
// This order agrees with CompareWords wherever that one is decided by a differing letter, by
// two words without marks, or by two words with marks and the same letters. Otherwise:
// - a word whose letters begin another's, longer, comes first, marks or not ("em" before
//   "e-mail");
// - a word with marks and one without, of the same letters, compare by bytes with the latter
//   taken in lower case without accents ("cat's" before "Cats" and "cats").
// Words equal in this order are exactly those CompareWords calls equal without marks (case and
// accents aside) and byte-identical words. A NUL ends a word, as it does for CompareWords.

#include <cstdint>
#include <string_view>

// Negative, zero or positive as a sorts before, with or after b.
int OrderWords(std::string_view a, std::string_view b);
// Letter count first, then OrderWords.
int OrderWordsByLength(std::string_view a, std::string_view b);

// The first sixteen bytes of a text's place in either order, as two numbers compared first to
// second: wherever two such keys differ, they order their texts as the order does, so that a
// sort compares most texts as numbers alone.
struct WordOrderKey {
  uint64_t high = 0;
  uint64_t low = 0;
  friend bool operator==(const WordOrderKey&, const WordOrderKey&) = default;
  friend bool operator<(const WordOrderKey& a, const WordOrderKey& b) {
    return a.high != b.high ? a.high < b.high : a.low < b.low;
  }
};
WordOrderKey MakeWordOrderKey(std::string_view text, bool byLength);
// OrderWords (or OrderWordsByLength) of two texts without NUL bytes, given their keys: where the
// keys hold all of both words' letters, equal keys leave only the marks to compare.
int OrderKeyedWords(const WordOrderKey& keyA, std::string_view a, const WordOrderKey& keyB,
                    std::string_view b, bool byLength);
