#include "search/PhraseWords.h"

#include <algorithm>
#include <cstring>

#include "search/CharClass.h"
#include "search/Dictionary.h"

PhraseWords::PhraseWords(std::shared_ptr<const LexImage> subset) {
  Dictionary cursor(std::move(subset));
  const char* word = nullptr;
  for (uint8_t found = cursor.FindNext(&word, "*", nullptr, 0, 0); found == Dictionary::kFound;
       found = cursor.FindNext(&word, nullptr, nullptr, 0, 0)) {
    Entry entry{0, 0, static_cast<uint32_t>(text.size()), static_cast<uint8_t>(std::strlen(word)),
                static_cast<uint8_t>(cursor.CurrentLetterCount()), FoldCase(word[0])};
    for (const char* c = word; *c; ++c) {
      if (!IsLetter(*c)) continue;
      const uint32_t bit = 1u << LetterIndex[static_cast<uint8_t>(*c)];
      entry.repeatMask |= entry.letterMask & bit;
      entry.letterMask |= bit;
    }
    text += '&';
    text += word;
    text += '@';
    text += '\0';
    entries.push_back(entry);
  }
}

size_t PhraseWords::Start(const std::vector<uint32_t>& positions, int32_t letterCount,
                          char firstLetter) const {
  const uint8_t first = firstLetter >= 'a' && firstLetter <= 'z' ? firstLetter : 'a';
  const auto before = [&](uint32_t i, int) {
    const Entry& entry = entries[i];
    return entry.letterCount < letterCount ||
           (entry.letterCount == letterCount && entry.firstLetter < first);
  };
  return static_cast<size_t>(
      std::lower_bound(positions.begin(), positions.end(), 0, before) - positions.begin());
}
