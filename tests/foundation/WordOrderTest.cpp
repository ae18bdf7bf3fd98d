#include "foundation/WordOrder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "foundation/CharClass.h"

namespace {

using namespace std::string_literals;
using Groups = std::vector<std::vector<std::string>>;

int Sign(int value) { return (value > 0) - (value < 0); }

// Each row lists groups in order; the words of a group are equal.
void ExpectOrder(const Groups& groups, int (*order)(std::string_view, std::string_view)) {
  for (size_t g = 0; g < groups.size(); ++g) {
    for (size_t h = 0; h < groups.size(); ++h) {
      for (const std::string& a : groups[g]) {
        for (const std::string& b : groups[h]) {
          EXPECT_EQ(Sign(order(a, b)), g < h ? -1 : g > h) << a << " | " << b;
        }
      }
    }
  }
}

TEST(WordOrderTest, MarksCaseAndAccents) {
  const std::vector<Groups> rows = {
      {{"cat's"}, {"cats", "Cats", "CATS"}},
      {{"Cat's"}, {"cat's"}, {"cats"}},
      {{"a-b"}, {"ab", "AB", "Ab"}},
      {{"em"}, {"emaciate"}, {"e-mail"}},  // a cycle for CompareWords
      {{"ab"}, {"a-bc"}, {"ab-c"}, {"abc", "ABC"}},
      {{"a b c"}, {"a bc"}, {"ab c"}, {"abc"}},
      {{"cafe", "caf\xE9", "CAF\xC9"}, {"cafes"}},
      {{"Zo\xEB's"}, {"zoes", "Zo\xEBs"}, {"zo\xEB's"}},
      {{"ab\0x"s, "ab"}, {"abc"}},  // a NUL ends a word
  };
  for (const Groups& row : rows) ExpectOrder(row, OrderWords);
  ExpectOrder({{"a'b"}, {"zz", "ZZ"}, {"aab"}, {"a-a-a-a"}}, OrderWordsByLength);
}

// Words over a few letters and marks, so that near ties are common.
std::vector<std::string> RandomWords(size_t n, uint32_t seed) {
  const std::string letters = "abAB\xE1";
  const std::string any = letters + "-' ";
  std::mt19937 random(seed);
  std::vector<std::string> words;
  while (words.size() < n) {
    std::string word(1, letters[random() % letters.size()]);
    for (size_t more = random() % 5; more > 0; --more) word += any[random() % any.size()];
    if (IsLetter(word.back())) words.push_back(word);
  }
  return words;
}

std::string Folded(const std::string& word) {
  std::string letters;
  for (char c : word) {
    if (IsLetter(c)) letters += static_cast<char>(FoldCase(c));
  }
  return letters;
}

TEST(WordOrderTest, AgreesWithCompareWordsWhereThatIsConsistent) {
  const std::vector<std::string> words = RandomWords(1500, 7);
  int checked = 0;
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    const std::string& a = words[i];
    const std::string& b = words[i + 1];
    const std::string la = Folded(a);
    const std::string lb = Folded(b);
    const bool marksA = la.size() < a.size();
    const bool marksB = lb.size() < b.size();
    const bool prefix = la.compare(0, lb.size(), lb) == 0 || lb.compare(0, la.size(), la) == 0;
    if (!prefix || (!marksA && !marksB) || (la == lb && marksA && marksB)) {
      EXPECT_EQ(Sign(OrderWords(a, b)), Sign(CompareWords(a.c_str(), b.c_str())))
          << a << " | " << b;
      ++checked;
    }
  }
  EXPECT_GT(checked, 500);
}

// A strict weak order: sorted by it, no word sorts below one before it; and its keys agree.
TEST(WordOrderTest, IsAStrictWeakOrderAndItsKeysAgree) {
  std::vector<std::string> words = RandomWords(1500, 11);
  for (bool byLength : {false, true}) {
    const auto order = byLength ? OrderWordsByLength : OrderWords;
    std::stable_sort(words.begin(), words.end(),
                     [&](const std::string& a, const std::string& b) { return order(a, b) < 0; });
    for (size_t i = 0; i < words.size(); ++i) {
      const WordOrderKey keyI = MakeWordOrderKey(words[i], byLength);
      for (size_t j = i; j < words.size(); ++j) {
        const int forward = Sign(order(words[i], words[j]));
        ASSERT_LE(forward, 0) << words[i] << " | " << words[j];
        ASSERT_EQ(Sign(order(words[j], words[i])), -forward);
        const WordOrderKey keyJ = MakeWordOrderKey(words[j], byLength);
        ASSERT_FALSE(keyJ < keyI) << words[i] << " | " << words[j];
        ASSERT_EQ(Sign(OrderKeyedWords(keyI, words[i], keyJ, words[j], byLength)), forward);
      }
    }
  }
}

}  // namespace
