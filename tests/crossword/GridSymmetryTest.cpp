// The ten blank-symmetry rules on square and oblong grids, against partner lists worked out by
// hand.

#include <gtest/gtest.h>

#include <algorithm>

#include "crossword/GridPictures.h"

namespace {

using Cells = std::vector<CellPos>;

// The cells that are blank after applying the rule at (x, y) on an empty grid.
Cells Inverted(int32_t cols, int32_t rows, uint8_t type, CellPos at) {
  GridData grid(cols, rows, TestGridDefaults());
  grid.symmetryType = type;
  grid.ApplySymmetry(at.col, at.row, true);
  Cells blanks;
  for (int32_t c = 0; c < cols; ++c)
    for (int32_t r = 0; r < rows; ++r)
      if (grid.Cell(c, r).blank) blanks.push_back({c, r});
  return blanks;
}

Cells Sorted(Cells cells) {
  std::sort(cells.begin(), cells.end(),
            [](CellPos a, CellPos b) { return std::tie(a.col, a.row) < std::tie(b.col, b.row); });
  return cells;
}

TEST(GridSymmetryTest, EveryTypeInvertsItsPartnersInsideTheGrid) {
  struct Case {
    int32_t cols, rows;
    uint8_t type;
    CellPos at;
    Cells partners;  // besides the cell itself
  } const cases[] = {
      // The cell (1, 0) under every type on 5 x 5, 6 x 6, 4 x 6 and 6 x 4.
      {5, 5, 0, {1, 0}, {}},
      {5, 5, 1, {1, 0}, {{0, 3}, {3, 4}, {4, 1}}},
      {5, 5, 2, {1, 0}, {{3, 4}}},
      {5, 5, 3, {1, 0}, {{1, 4}}},
      {5, 5, 4, {1, 0}, {{3, 0}}},
      {5, 5, 5, {1, 0}, {{3, 0}, {1, 4}, {3, 4}}},
      {5, 5, 6, {1, 0}, {{4, 3}}},
      {5, 5, 7, {1, 0}, {{0, 1}}},
      {5, 5, 8, {1, 0}, {{0, 1}, {4, 3}, {3, 4}}},
      {5, 5, 9, {1, 0}, {{3, 0}, {1, 4}, {3, 4}, {0, 1}, {4, 1}, {0, 3}, {4, 3}}},
      {6, 6, 0, {1, 0}, {}},
      {6, 6, 1, {1, 0}, {{0, 4}, {4, 5}, {5, 1}}},
      {6, 6, 2, {1, 0}, {{4, 5}}},
      {6, 6, 3, {1, 0}, {{1, 5}}},
      {6, 6, 4, {1, 0}, {{4, 0}}},
      {6, 6, 5, {1, 0}, {{4, 0}, {1, 5}, {4, 5}}},
      {6, 6, 6, {1, 0}, {{5, 4}}},
      {6, 6, 7, {1, 0}, {{0, 1}}},
      {6, 6, 8, {1, 0}, {{0, 1}, {5, 4}, {4, 5}}},
      {6, 6, 9, {1, 0}, {{4, 0}, {1, 5}, {4, 5}, {0, 1}, {5, 1}, {0, 4}, {5, 4}}},
      {4, 6, 0, {1, 0}, {}},
      {4, 6, 1, {1, 0}, {{0, 4}}},
      {4, 6, 2, {1, 0}, {{2, 5}}},
      {4, 6, 3, {1, 0}, {{1, 5}}},
      {4, 6, 4, {1, 0}, {{2, 0}}},
      {4, 6, 5, {1, 0}, {{2, 0}, {1, 5}, {2, 5}}},
      {4, 6, 6, {1, 0}, {}},
      {4, 6, 7, {1, 0}, {{0, 1}}},
      {4, 6, 8, {1, 0}, {{0, 1}}},
      {4, 6, 9, {1, 0}, {{1, 5}, {0, 1}, {0, 4}}},
      {6, 4, 0, {1, 0}, {}},
      {6, 4, 1, {1, 0}, {{0, 2}, {2, 3}, {3, 1}}},
      {6, 4, 2, {1, 0}, {{4, 3}}},
      {6, 4, 3, {1, 0}, {{1, 3}}},
      {6, 4, 4, {1, 0}, {{4, 0}}},
      {6, 4, 5, {1, 0}, {{4, 0}, {1, 3}, {4, 3}}},
      {6, 4, 6, {1, 0}, {{3, 2}}},
      {6, 4, 7, {1, 0}, {{0, 1}}},
      {6, 4, 8, {1, 0}, {{0, 1}, {3, 2}, {2, 3}}},
      {6, 4, 9, {1, 0}, {{2, 0}, {1, 3}, {2, 3}, {0, 1}, {3, 1}, {0, 2}, {3, 2}}},
      // Cells that are their own partners are inverted once.
      {5, 5, 2, {2, 2}, {}},
      {5, 5, 1, {2, 2}, {}},
      {5, 5, 9, {2, 2}, {}},
      {5, 5, 2, {0, 1}, {{4, 3}}},
      {4, 6, 1, {3, 0}, {{0, 2}, {2, 5}}},
      {5, 5, 8, {0, 0}, {{4, 4}}},
  };
  for (const Case& c : cases) {
    Cells expected = c.partners;
    expected.push_back(c.at);
    EXPECT_EQ(Inverted(c.cols, c.rows, c.type, c.at), Sorted(expected))
        << c.cols << "x" << c.rows << " type " << int(c.type);
  }
}

TEST(GridSymmetryTest, PartnersAreInvertedFromTheirOwnState) {
  GridData grid = MakeGrid("5x1\n|a...#");
  grid.symmetryType = GridData::Vertical;
  grid.ApplySymmetry(0, 0, true);
  EXPECT_TRUE(grid.Cell(0, 0).blank);
  EXPECT_FALSE(grid.Cell(4, 0).blank);
  EXPECT_EQ(grid.Cell(0, 0).Letter(), 0);
  EXPECT_EQ(grid.Cell(0, 0).BarState(), 0);
  EXPECT_EQ(grid.modified, 1);
  grid.ApplySymmetry(4, 0, false);  // only the cell itself
  EXPECT_TRUE(grid.Cell(4, 0).blank);
  EXPECT_TRUE(grid.Cell(0, 0).blank);
}

TEST(GridSymmetryTest, EveryTypeHasItsCaption) {
  EXPECT_EQ(SymmetryCaption(GridData::NoSymmetry), "No Symmetry");
  EXPECT_EQ(SymmetryCaption(GridData::DiagonalBottomLeftToTopRight), "Diagonal Bottom Left to Top Right");
  EXPECT_EQ(SymmetryCaption(GridData::FullSymmetry), "Full Symmetry");
}

}  // namespace
