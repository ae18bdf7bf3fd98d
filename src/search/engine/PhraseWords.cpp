#include "search/engine/PhraseWords.h"

#include <algorithm>
#include <cstring>

#include "search/lexicon/Dictionary.h"

PhraseWords::PhraseWords(std::shared_ptr<const LexImage> subset) {
  Dictionary cursor(std::move(subset));
  const char* word = nullptr;
  std::array<uint32_t, kRanks> perRank{};
  for (uint8_t found = cursor.FindNext(&word, "*", nullptr, 0, 0); found == Dictionary::kFound;
       found = cursor.FindNext(&word, nullptr, nullptr, 0, 0)) {
    uint8_t counts[26] = {};
    bool exact = true;
    int32_t letters = 0;
    uint8_t vowels = 0;
    for (const char* c = word; *c; ++c) {
      if (!IsLetter(*c)) continue;
      uint8_t& count = counts[LetterIndex[static_cast<uint8_t>(*c)]];
      if (++count > LetterSignature::kMostExact) exact = false;
      ++letters;
      if (ClassOf(*c) & kVowel) ++vowels;
    }
    if (letters != cursor.CurrentLetterCount()) countsAddUp = false;
    const Entry entry{LetterSignature::OfCounts(counts), static_cast<uint32_t>(text.size()),
                      static_cast<uint8_t>(std::strlen(word)),
                      static_cast<uint8_t>(cursor.CurrentLetterCount()), FoldCase(word[0]), vowels,
                      exact};
    text += '&';
    text += word;
    text += '@';
    text += '\0';
    if (entry.letterCount > MaxWordLength) {
      ranked = false;
    } else {
      const int32_t rank = Rank(entry.letterCount, entry.firstLetter);
      if (!entries.empty() && rank < Rank(entries.back().letterCount, entries.back().firstLetter))
        ranked = false;
      ++perRank[rank];
    }
    entries.push_back(entry);
  }
  uint32_t before = 0;
  for (size_t rank = 0; rank < perRank.size(); ++rank) {
    firstAtRank[rank] = before;
    before += perRank[rank];
  }
}

int32_t PhraseWords::Rank(int32_t letterCount, int32_t firstLetter) {
  // Bytes below 'a' stand before every letter of their count, those past 'z' after them all.
  const int32_t letter = firstLetter < 'a' ? 0 : firstLetter > 'z' ? 27 : firstLetter - 'a' + 1;
  return letterCount * 28 + letter;
}

size_t PhraseWords::Start(const std::vector<uint32_t>& positions, int32_t letterCount,
                          char firstLetter) const {
  const uint8_t first = firstLetter >= 'a' && firstLetter <= 'z' ? firstLetter : 'a';
  if (!UsesRanks(letterCount)) return SearchStart(positions, letterCount, first);
  return PositionFrom(positions, firstAtRank[Rank(letterCount, first)]);
}

size_t PhraseWords::StartOfLength(const std::vector<uint32_t>& positions,
                                  int32_t letterCount) const {
  if (!UsesRanks(letterCount)) {
    const auto shorter = [&](uint32_t i, int) { return entries[i].letterCount < letterCount; };
    return static_cast<size_t>(
        std::lower_bound(positions.begin(), positions.end(), 0, shorter) - positions.begin());
  }
  return PositionFrom(positions, firstAtRank[Rank(letterCount, 0)]);
}

size_t PhraseWords::PositionFrom(const std::vector<uint32_t>& positions, uint32_t position) {
  return static_cast<size_t>(std::lower_bound(positions.begin(), positions.end(), position) -
                             positions.begin());
}

size_t PhraseWords::SearchStart(const std::vector<uint32_t>& positions, int32_t letterCount,
                                uint8_t firstLetter) const {
  const auto before = [&](uint32_t i, int) {
    const Entry& entry = entries[i];
    return entry.letterCount < letterCount ||
           (entry.letterCount == letterCount && entry.firstLetter < firstLetter);
  };
  return static_cast<size_t>(
      std::lower_bound(positions.begin(), positions.end(), 0, before) - positions.begin());
}

uint32_t PhraseWords::FirstAnagram(const LetterSignature& letters) {
  if (anagramHeads.empty()) IndexAnagrams();
  return anagramHeads[AnagramSlot(letters)];
}

void PhraseWords::AppendAnagrams(const std::vector<uint32_t>& positions, size_t from,
                                 uint32_t first, int32_t letterCount,
                                 std::vector<uint32_t>& out) const {
  auto place = positions.begin() + static_cast<std::ptrdiff_t>(from);
  for (uint32_t i = first; i != kNoWord; i = nextAnagram[i]) {
    if (entries[i].letterCount != letterCount) continue;
    place = std::lower_bound(place, positions.end(), i);
    if (place == positions.end()) break;
    if (*place == i) out.push_back(i);
  }
}

void PhraseWords::IndexAnagrams() {
  int bits = 1;
  while ((size_t{1} << bits) < 2 * entries.size()) ++bits;
  anagramShift = 64 - bits;
  anagramHeads.assign(size_t{1} << bits, kNoWord);
  nextAnagram.assign(entries.size(), kNoWord);
  // From the last word back, so that each chain runs in stored order.
  for (uint32_t i = static_cast<uint32_t>(entries.size()); i-- > 0;) {
    if (!entries[i].signatureExact) continue;
    uint32_t& head = anagramHeads[AnagramSlot(entries[i].signature)];
    nextAnagram[i] = head;
    head = i;
  }
}

size_t PhraseWords::AnagramSlot(const LetterSignature& letters) const {
  const size_t mask = anagramHeads.size() - 1;
  size_t slot = static_cast<size_t>(letters.Hash() >> anagramShift);
  while (anagramHeads[slot] != kNoWord && !(entries[anagramHeads[slot]].signature == letters))
    slot = (slot + 1) & mask;
  return slot;
}
