#include <gtest/gtest.h>
#include <set>

#include "foundation/CharClass.h"
#include "support/SearchHarness.h"

namespace {

using Words = std::vector<std::string>;

// A 3 x 3 grid:   row 0  % % %   (1 across)
//                 row 1  % # %
//                 row 2  % % %   (3 across)
// with 1 down in column 0 and 2 down in column 2 crossing both across words.
void AddFrame(SelectedWords& words, const std::string& top = "%%%") {
  words.Add(1, 0, 0, SelectedWord::kAcross, top);
  words.Add(3, 0, 2, SelectedWord::kAcross, "%%%");
  words.Add(1, 0, 0, SelectedWord::kDown, std::string(1, top[0]) + "%%");
  words.Add(2, 2, 0, SelectedWord::kDown, std::string(1, top[2]) + "%%");
}

const Words kThreeLetterWords = {"ace", "act", "ape", "arc", "bee", "cab", "car", "cat",
                                 "ear", "eat", "era", "pea", "rat", "tab", "tar", "tea"};

// Every combination in the order the search tries them: each selected word takes the lexicon's
// words in stored order, crossings agree, no word twice.
std::vector<Words> BruteForceFill(const Words& lexicon) {
  std::vector<Words> fills;
  for (const auto& top : lexicon)
    for (const auto& bottom : lexicon)
      for (const auto& left : lexicon)
        for (const auto& right : lexicon) {
          const Words fill = {top, bottom, left, right};
          std::set<std::string> distinct(fill.begin(), fill.end());
          if (distinct.size() != 4) continue;
          if (left[0] != top[0] || right[0] != top[2] || left[2] != bottom[0] || right[2] != bottom[2])
            continue;
          fills.push_back(fill);
        }
  return fills;
}

TEST(SearchGridWordsTest, CombinationsAgreeAtEveryCrossing) {
  const Words lexicon = InLexiconOrder(kThreeLetterWords);
  SearchHarness search({lexicon});
  ASSERT_TRUE(search.Set("*"));
  SelectedWords words;
  AddFrame(words);
  const Words results = search.Grid(words);
  std::vector<Words> fills;
  for (size_t i = 0; i + 4 <= results.size(); i += 4)
    fills.push_back(Words(results.begin() + i, results.begin() + i + 4));
  EXPECT_EQ(results.size() % 4, 0u);
  EXPECT_EQ(fills, BruteForceFill(lexicon));
  EXPECT_FALSE(fills.empty());
  for (const SelectedWord& word : words.words) EXPECT_EQ(word.pattern, "???");
}

TEST(SearchGridWordsTest, FilledLettersAndMarksInCellsNarrowTheSearch) {
  SearchHarness search({InLexiconOrder(kThreeLetterWords)});
  ASSERT_TRUE(search.Set("*"));
  SelectedWords words;
  words.Add(1, 0, 0, SelectedWord::kAcross, "c%%");
  words.Add(2, 2, 0, SelectedWord::kDown, "%%r");
  words.Add(3, 5, 5, SelectedWord::kAcross, "a-%");  // a mark stands for one letter
  ASSERT_EQ(words.words[2].pattern, "a??");
  const Words results = search.Grid(words);
  ASSERT_FALSE(results.empty());
  for (size_t i = 0; i + 3 <= results.size(); i += 3) {
    EXPECT_EQ(results[i][0], 'c');
    EXPECT_EQ(results[i + 1][0], results[i][2]);
    EXPECT_EQ(results[i + 1][2], 'r');
    EXPECT_EQ(results[i + 2][0], 'a');
  }
  EXPECT_EQ(words.words[1].pattern, "??r");
}

TEST(SearchGridWordsTest, AWordWithoutOpenCellsIsRefusedWithAMessage) {
  ScriptedHost host;
  ScopedHost scope(host);
  SelectedWords words;
  words.Add(7, 0, 0, SelectedWord::kDown, "cat");
  EXPECT_TRUE(words.words.empty());
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Information");
  EXPECT_EQ(boxes[0].text.rfind("7 Down: cat\nDoes not have share any unknown letters", 0), 0u);
}

TEST(SearchGridWordsTest, NoSelectedWordsFindNothing) {
  SearchHarness search({InLexiconOrder(kThreeLetterWords)});
  ASSERT_TRUE(search.Set("*"));
  SelectedWords words;
  EXPECT_EQ(search.Grid(words), Words{});
}

}  // namespace
