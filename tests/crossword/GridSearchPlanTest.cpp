#include "crossword/GridSearchPlan.h"

#include <gtest/gtest.h>

#include "crossword/GridPictures.h"

TEST(GridSearchPlanTest, TheFindTextHoldsTheSelectedWordsInReadingOrder) {
  GridData grid = MakeGrid("3x3\nc..\n.#.\n..t");
  grid.SelectAllWords();
  SelectedWords words;
  grid.GetSelectedWords(words);
  EXPECT_EQ(SelectedWordsFind(grid, words.words), "c?? c?? ??t ??t");
  EXPECT_EQ(SelectedWordsFind(grid, {words.words[2]}), "??t");
}

TEST(GridSearchPlanTest, AResultGoesIntoTheGridWordItsLineStandsFor) {
  const std::vector<SelectedWord> three(3, SelectedWord(0, 0, SelectedWord::kAcross, "%%"));
  const std::vector<SelectedWord> none;
  struct Row {
    uint32_t searchGridId;
    const std::vector<SelectedWord>* gridWords;
    int32_t wordsPerResult;
    int64_t index;
    uint32_t gridId;
    ResultPlace::Kind kind;
    int word;  // index in gridWords; -1 for none
  } const rows[] = {
      {0, &none, 1, 5, 7, ResultPlace::kCurrentWord, -1},  // a plain search, any grid
      {7, &none, 1, 5, 7, ResultPlace::kCurrentWord, -1},  // a word match of this grid
      {7, &none, 1, 5, 9, ResultPlace::kOtherGrid, -1},
      {7, &three, 3, 4, 9, ResultPlace::kOtherGrid, -1},
      {7, &three, 3, 0, 7, ResultPlace::kGridWord, 0},
      {7, &three, 3, 4, 7, ResultPlace::kGridWord, 1},
      {7, &three, 3, 8, 7, ResultPlace::kGridWord, 2},
      {7, &three, 2, 4, 7, ResultPlace::kCurrentWord, -1},  // lines that match no word list
      {7, &three, 1, 4, 7, ResultPlace::kCurrentWord, -1},
  };
  for (const Row& row : rows) {
    const ResultPlace place =
        PlaceResult(row.searchGridId, *row.gridWords, row.wordsPerResult, row.index, row.gridId);
    EXPECT_EQ(place.kind, row.kind) << row.index << " " << row.gridId;
    EXPECT_EQ(place.word, row.word < 0 ? nullptr : &(*row.gridWords)[size_t(row.word)])
        << row.index << " " << row.gridId;
  }
}
