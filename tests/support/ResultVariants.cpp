#include "support/ResultVariants.h"

#include <algorithm>
#include <random>

std::vector<std::string> ResultVariants(const std::vector<std::string>& words, size_t count,
                                        uint32_t seed) {
  std::mt19937 random(seed);
  // About four forms a word.
  const size_t bases = std::max<size_t>(1, std::min(words.size(), count / 4));
  const size_t offset = words.size() > bases ? random() % (words.size() - bases) : 0;
  std::vector<std::string> texts;
  while (texts.size() < count) {
    std::string word = words[offset + random() % bases];
    if (word.size() < 2 || word.size() > 25) continue;
    const size_t middle = 1 + random() % (word.size() - 1);
    switch (random() % 8) {
      case 1:
        word[0] = static_cast<char>(word[0] - 32);
        break;
      case 2:
        for (char& c : word) c = static_cast<char>(c - 32);
        break;
      case 3:
        if (const size_t e = word.find('e'); e != std::string::npos) word[e] = '\xE9';
        break;
      case 4:
        word.insert(middle, 1, '-');
        break;
      case 5:
        word.insert(middle, 1, ' ');
        break;
      case 6:
        word.insert(middle, 1, '\'');
        break;
      case 7:
        word += "'s";
        break;
      default:
        break;
    }
    texts.push_back(word);
  }
  return texts;
}
