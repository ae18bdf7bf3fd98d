#pragma once
// Where a grid's cells, lines and bars lie in pixels, as pure arithmetic for the control's
// drawing and hit tests. Rectangles exclude their right and bottom edges.

#include <cstdint>

#include "crossword/GridData.h"

struct PixelRect {
  int32_t left = 0;
  int32_t top = 0;
  int32_t right = 0;
  int32_t bottom = 0;
  bool operator==(const PixelRect&) const = default;
};

struct GridGeometry {
  int32_t cellWidth = 0;   // W
  int32_t cellHeight = 0;  // H
  int32_t lineWidth = 0;   // L

  // H from the letter font: k = |font height| x pixels per inch div 72, H = trunc(k x 1.2) as
  // the product of k and the double nearest 1.2 comes out exactly (so 25 gives 29, not 30);
  // W = trunc(H x 0.9).
  static GridGeometry ForFont(int32_t fontHeight, int32_t pixelsPerInch, int32_t lineWidth);

  // The control: rows x H + (rows + 1) x L + 2 high, likewise wide.
  int32_t ControlWidth(int32_t cols) const;
  int32_t ControlHeight(int32_t rows) const;
  // The cell under a point, clamped into the grid (points left of or above it count as 0).
  CellPos CellAt(int32_t x, int32_t y, int32_t cols, int32_t rows) const;

  // The cell's outline rectangle, drawn with a pen of width L; neighbouring outlines overlap.
  PixelRect Outline(CellPos cell) const;
  // The top-left of the cell's inside, where its letter and clue number are placed.
  int32_t InsideLeft(CellPos cell) const { return cell.col * (cellWidth + lineWidth) + lineWidth; }
  int32_t InsideTop(CellPos cell) const { return cell.row * (cellHeight + lineWidth) + lineWidth; }
  // Bars: max(4, L + 2) thick, centred on the cell's left (vertical) or top (horizontal) line.
  int32_t BarWidth() const;
  int32_t BarSize() const { return 2 * lineWidth; }
  PixelRect VBar(CellPos cell) const;
  PixelRect HBar(CellPos cell) const;
  // The frame of the current cell, drawn with a pen of width 2.
  PixelRect CurrentCellFrame(CellPos cell) const;
  // What is scrolled into view to keep the current cell visible: the in-place box's place.
  PixelRect ScrollTarget(CellPos cell, int32_t boxWidth) const;
};
