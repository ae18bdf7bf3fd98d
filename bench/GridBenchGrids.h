#pragma once
// The grids the crossword benchmarks work on: every cell of an odd row and odd column blank, so
// that words of every length up to the grid's size cross everywhere and many cells carry clue
// numbers, and a letter in every other cell.

#include "crossword/GridData.h"

inline void FillBenchGrid(GridData& grid) {
  for (int32_t c = 0; c < grid.Cols(); ++c) {
    for (int32_t r = 0; r < grid.Rows(); ++r) {
      CellData& cell = grid.Cell(c, r);
      if (c % 2 == 1 && r % 2 == 1) cell.SetBlank(1);
      else cell.SetLetter(static_cast<char>('A' + (r * grid.Cols() + c) % 26));
    }
  }
  grid.Renumber();
}
