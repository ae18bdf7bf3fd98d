#include "crossword/GridGeometry.h"

#include <algorithm>
#include <cstdlib>

GridGeometry GridGeometry::ForFont(int32_t fontHeight, int32_t pixelsPerInch, int32_t lineWidth) {
  const int64_t k = static_cast<int64_t>(std::abs(fontHeight)) * pixelsPerInch / 72;
  // trunc(k x 1.2) with the double just below 1.2, in integers: (6k - 1) / 5.
  const int64_t height = k > 0 ? (6 * k - 1) / 5 : 0;
  GridGeometry geometry;
  geometry.cellHeight = static_cast<int32_t>(height);
  geometry.cellWidth = static_cast<int32_t>(9 * height / 10);
  geometry.lineWidth = lineWidth;
  return geometry;
}

int32_t GridGeometry::ControlWidth(int32_t cols) const {
  return cols * cellWidth + (cols + 1) * lineWidth + 2;
}

int32_t GridGeometry::ControlHeight(int32_t rows) const {
  return rows * cellHeight + (rows + 1) * lineWidth + 2;
}

CellPos GridGeometry::CellAt(int32_t x, int32_t y, int32_t cols, int32_t rows) const {
  // A line width of 0 with a tiny font would leave nothing to divide by.
  const int32_t columnStep = std::max(cellWidth + lineWidth, 1);
  const int32_t rowStep = std::max(cellHeight + lineWidth, 1);
  return {std::min(std::max(x, 0) / columnStep, cols - 1), std::min(std::max(y, 0) / rowStep, rows - 1)};
}

PixelRect GridGeometry::Outline(CellPos cell) const {
  const int32_t x = cell.col * (cellWidth + lineWidth) + 1;
  const int32_t y = cell.row * (cellHeight + lineWidth) + 1;
  return {x, y, x + cellWidth + lineWidth + 1, y + cellHeight + lineWidth + 1};
}

int32_t GridGeometry::BarWidth() const { return std::max(4, lineWidth + 2); }

PixelRect GridGeometry::VBar(CellPos cell) const {
  const PixelRect outline = Outline(cell);
  const int32_t x0 = outline.left - BarWidth() / 2;
  return {x0, outline.top, x0 + BarWidth(), outline.top + cellHeight + 1};
}

PixelRect GridGeometry::HBar(CellPos cell) const {
  const PixelRect outline = Outline(cell);
  const int32_t y0 = outline.top - BarWidth() / 2;
  return {outline.left, y0, outline.left + cellWidth + 1, y0 + BarWidth()};
}

PixelRect GridGeometry::CurrentCellFrame(CellPos cell) const {
  const PixelRect outline = Outline(cell);
  const int32_t inset = lineWidth - (lineWidth / 2 - 1);
  return {outline.left + inset, outline.top + inset, outline.left + cellWidth + (lineWidth + 1) / 2,
          outline.top + cellHeight + (lineWidth + 1) / 2};
}

PixelRect GridGeometry::ScrollTarget(CellPos cell, int32_t boxWidth) const {
  const int32_t left = (cellWidth + lineWidth) * cell.col + lineWidth - cellWidth / 4;
  const int32_t top = (cellHeight + lineWidth) * cell.row + lineWidth - cellHeight / 4;
  return {left, top, left + boxWidth, top + cellHeight * 3 / 2};
}
