// The ten blank-symmetry rules. Types 1, 6, 8 and 9 take the row count for both axes, as for a
// square grid; on other grids their partners outside the grid are skipped.

#include <algorithm>

#include "crossword/CrosswordTextIds.h"
#include "crossword/GridData.h"
#include "foundation/ResStrings.h"

std::string SymmetryCaption(uint8_t symmetryType) {
  return LoadResString(kFirstSymmetryName + std::min<int32_t>(symmetryType, 9));
}

std::vector<CellPos> GridData::SymmetryCells(int32_t x, int32_t y, bool apply) const {
  const int32_t C = cols;
  const int32_t R = rows;
  std::vector<CellPos> listed;
  switch (apply ? symmetryType : uint8_t{NoSymmetry}) {
    case Rotation90:
      listed = {{x, y}, {y, R - 1 - x}, {R - 1 - x, R - 1 - y}, {R - 1 - y, x}};
      break;
    case Rotation180:
      listed = {{x, y}, {C - 1 - x, R - 1 - y}};
      break;
    case Horizontal:
      listed = {{x, y}, {x, R - 1 - y}};
      break;
    case Vertical:
      listed = {{x, y}, {C - 1 - x, y}};
      break;
    case VerticalAndHorizontal:
      listed = {{x, y}, {C - 1 - x, y}, {x, R - 1 - y}, {C - 1 - x, R - 1 - y}};
      break;
    case DiagonalBottomLeftToTopRight:
      listed = {{x, y}, {R - 1 - y, R - 1 - x}};
      break;
    case DiagonalTopLeftToBottomRight:
      listed = {{x, y}, {y, x}};
      break;
    case BothDiagonals:
      listed = {{x, y}, {y, x}, {R - 1 - y, R - 1 - x}, {R - 1 - x, R - 1 - y}};
      break;
    case FullSymmetry:
      listed = {{x, y},         {R - 1 - x, y},         {x, R - 1 - y}, {R - 1 - x, R - 1 - y},
                {y, x},         {R - 1 - y, x},         {y, R - 1 - x}, {R - 1 - y, R - 1 - x}};
      break;
    default:
      listed = {{x, y}};
  }
  // Each cell once, and only those inside the grid.
  std::vector<CellPos> partners;
  for (const CellPos& cell : listed)
    if (Contains(cell.col, cell.row) &&
        std::find(partners.begin(), partners.end(), cell) == partners.end())
      partners.push_back(cell);
  return partners;
}

void GridData::ApplySymmetry(int32_t x, int32_t y, bool apply) {
  // Each partner is inverted from its own state.
  for (const CellPos& cell : SymmetryCells(x, y, apply)) {
    CellData& data = Cell(cell.col, cell.row);
    data.SetBlank(!data.blank);
  }
  modified = 1;
}
