// Cells, letters, the text case, bars, shared letters and colours of the grid model.

#include "crossword/GridData.h"

#include <gtest/gtest.h>

#include "crossword/GridPictures.h"

namespace {

std::string Letters(const GridData& grid) {
  std::string text;
  for (int32_t r = 0; r < grid.Rows(); ++r) {
    for (int32_t c = 0; c < grid.Cols(); ++c) {
      const CellData& cell = grid.Cell(c, r);
      text += cell.blank ? '#' : cell.Letter() ? cell.Letter() : '.';
    }
    text += '\n';
  }
  return text;
}

TEST(GridDataTest, LettersFollowTheTextCase) {
  struct Case {
    uint8_t mode;
    char typed;
    char stored;
  } const cases[] = {
      {GridData::TextLower, '\x9F', '\xFF'}, {GridData::TextUpper, '\xFF', '\x9F'},
      {GridData::TextUpper, 'a', 'A'},       {GridData::TextLower, 'A', 'a'},
      {GridData::TextUpper, '\xE9', '\xC9'}, {GridData::TextLower, '\xC9', '\xE9'},
      {GridData::TextAsTyped, 'a', 'a'},     {GridData::TextAsTyped, 'A', 'A'},
      {GridData::TextUpper, '3', '3'},       {GridData::TextLower, '-', '-'},
      {GridData::TextUpper, '\0', '\0'},
  };
  for (const Case& c : cases) {
    GridData grid = MakeGrid("1x1\n.");
    grid.textCase = c.mode;
    grid.SetCellLetter(0, 0, c.typed);
    EXPECT_EQ(grid.Cell(0, 0).Letter(), c.stored) << int(c.mode) << " " << int(uint8_t(c.typed));
    EXPECT_EQ(grid.modified, 1);
  }
  GridData grid = MakeGrid("3x1\naB\xC3\xA9");
  grid.textCase = GridData::TextUpper;
  grid.ApplyTextCase();
  EXPECT_EQ(Letters(grid), "AB\xC9\n");
}

TEST(GridDataTest, BlanksDropLettersAndBarsAndNeverTakeBars) {
  GridData grid = MakeGrid("2x1\n|^a.");
  grid.Cell(0, 0).SetBlank(1);
  EXPECT_EQ(grid.Cell(0, 0).Letter(), 0);
  EXPECT_EQ(grid.Cell(0, 0).BarState(), 0);
  grid.Cell(0, 0).SetVBar(1);
  grid.Cell(0, 0).SetHBar(1);
  EXPECT_EQ(grid.Cell(0, 0).BarState(), 0);
  // The bar state still advances when the blank's combination (none) was the one applied.
  grid.barState = 0;
  grid.CycleBar(0, 0);
  EXPECT_EQ(grid.barState, 1);
  EXPECT_EQ(grid.Cell(0, 0).BarState(), 0);
}

TEST(GridDataTest, BarsCycleOnOneCellAndRepeatOnAnother) {
  GridData grid = MakeGrid("2x1\n..");
  std::vector<int> states;
  for (int i = 0; i < 5; ++i) {
    grid.CycleBar(0, 0);
    states.push_back(grid.Cell(0, 0).BarState());
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 0, 1}));
  grid.CycleBar(1, 0);
  EXPECT_EQ(grid.Cell(1, 0).BarState(), 1);
}

TEST(GridDataTest, InsertTextFillsOneWordFromItsStart) {
  struct Case {
    int32_t col, row;
    uint8_t direction;
    std::string text;
    std::string letters;
  } const cases[] = {
      {0, 0, CellData::Across, "ABCDE", "ABC#\n....\n"},  // cut at the word's end
      {0, 0, CellData::Across, "X", "X..#\n....\n"},      // the rest stays as it was
      {3, 0, CellData::Across, "Z", "...#\n....\n"},      // a blank start changes nothing
      {1, 0, CellData::Down, "PQR", ".P.#\n.Q..\n"},
      {0, 1, CellData::Across, "A'b-c", "...#\nAbc.\n"},  // marks take no cell
      {4, 0, CellData::Across, "Z", "...#\n....\n"},      // outside the grid
      {0, -1, CellData::Down, "Z", "...#\n....\n"},
  };
  for (const Case& c : cases) {
    GridData grid = MakeGrid("4x2\n...#\n....");
    grid.InsertText(c.col, c.row, c.direction, c.text);
    EXPECT_EQ(Letters(grid), c.letters) << c.col << "," << c.row << " " << c.text;
  }
}

TEST(GridDataTest, DeletingEmptiesTheSelectionOrTheCell) {
  GridData grid = MakeGrid("3x1\nabc");
  grid.DeleteLetters(1, 0);
  EXPECT_EQ(Letters(grid), "a.c\n");
  grid.SelectRect(0, 0, 0, 0);
  grid.Cell(2, 0).selected = 1;
  grid.DeleteLetters(1, 0);
  EXPECT_EQ(Letters(grid), "...\n");
}

TEST(GridDataTest, ClearingAWordKeepsLettersThatCrossingWordsStillNeed) {
  // C and T cross down words; the down word under C has a letter outside the across word.
  GridData grid = MakeGrid("3x3\nCAT\nO..\nW..");
  grid.direction = CellData::Across;
  grid.SelectAcrossWord(0, 0);
  grid.ClearCurrentWordLetters();
  EXPECT_EQ(Letters(grid), "C..\nO..\nW..\n");

  GridData selected = MakeGrid("3x3\nCAT\nO..\nW..");
  selected.SelectRect(0, 0, 2, 0);
  selected.ClearSelectedLetters();
  EXPECT_EQ(Letters(selected), "C..\nO..\nW..\n");
}

TEST(GridDataTest, ColouringWithoutASelectionColoursTheCurrentWord) {
  GridData grid = MakeGrid("3x2\n...\n...");
  grid.direction = CellData::Down;
  grid.SelectDownWord(1, 0);
  grid.ColourSelection(0x0000FF);
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.colour == 0x0000FF; }), "0 1 0\n0 1 0\n");
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.wordSelection; }), "0 2 0\n0 2 0\n");

  grid.SetDefaultColour(0x00FF00);
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.colour == 0x00FF00; }), "1 0 1\n1 0 1\n");
  EXPECT_EQ(grid.DefaultColour(), 0x00FF00u);
  grid.RestoreSelectionColour();  // the word's cells are still selected
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.colour == 0x00FF00; }), "1 1 1\n1 1 1\n");
}

TEST(GridDataTest, SizesBelowOneBecomeOne) {
  GridData grid(0, -5, TestGridDefaults());
  EXPECT_EQ(grid.Cols(), 1);
  EXPECT_EQ(grid.Rows(), 1);
  EXPECT_EQ(grid.Cell(0, 0).membership, 1);
  EXPECT_EQ(grid.Cell(0, 0).colour, 0xFFFFFFu);
}

}  // namespace
