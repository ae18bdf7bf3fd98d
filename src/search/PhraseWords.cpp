#include "search/PhraseWords.h"

#include <algorithm>

#include "search/CharClass.h"
#include "search/Dictionary.h"

PhraseWords::PhraseWords(std::shared_ptr<const LexImage> subset) {
  Dictionary cursor(std::move(subset));
  const char* word = nullptr;
  for (uint8_t found = cursor.FindNext(&word, "*", nullptr, 0, 0); found == Dictionary::kFound;
       found = cursor.FindNext(&word, nullptr, nullptr, 0, 0)) {
    framed.push_back(std::string("&") + word + "@");
    letterCounts.push_back(cursor.CurrentLetterCount());
    firstLetters.push_back(FoldCase(word[0]));
    uint32_t mask = 0;
    uint32_t repeats = 0;
    for (const char* c = word; *c; ++c) {
      if (!IsLetter(*c)) continue;
      const uint32_t bit = 1u << LetterIndex[static_cast<uint8_t>(*c)];
      repeats |= mask & bit;
      mask |= bit;
    }
    letterMasks.push_back(mask);
    repeatMasks.push_back(repeats);
  }
}

size_t PhraseWords::Start(const std::vector<uint32_t>& positions, int32_t letterCount,
                          char firstLetter) const {
  const uint8_t first = firstLetter >= 'a' && firstLetter <= 'z' ? firstLetter : 'a';
  const auto before = [&](uint32_t i, int) {
    return letterCounts[i] < letterCount ||
           (letterCounts[i] == letterCount && firstLetters[i] < first);
  };
  return static_cast<size_t>(
      std::lower_bound(positions.begin(), positions.end(), 0, before) - positions.begin());
}
