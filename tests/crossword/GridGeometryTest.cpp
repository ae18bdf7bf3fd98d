// Cell sizes from the letter font, the pixel layout of cells, bars and frames, hit tests.

#include "crossword/GridGeometry.h"

#include <gtest/gtest.h>

namespace {

TEST(GridGeometryTest, CellSizeComesFromTheFontAsTheIntegerFormsSay) {
  struct Case {
    int32_t fontHeight, pixelsPerInch;
    int32_t height, width;
  } const cases[] = {
      {-19, 96, 29, 26},  // k = 25: the stored 1.2 lies below 1.2, so not 30
      {-20, 96, 31, 27},
      {-13, 96, 20, 18},  // 10 points at 96 pixels per inch
      {-15, 96, 23, 20},  // k = 20, a multiple of 5: 1.2 k - 1
      {15, 120, 29, 26},
      {0, 96, 0, 0},
      {-1, 72, 1, 0},
  };
  for (const Case& c : cases) {
    const GridGeometry geometry = GridGeometry::ForFont(c.fontHeight, c.pixelsPerInch, 2);
    EXPECT_EQ(geometry.cellHeight, c.height) << c.fontHeight;
    EXPECT_EQ(geometry.cellWidth, c.width) << c.fontHeight;
  }
}

TEST(GridGeometryTest, CellsLinesAndBarsLieWhereTheControlDrawsThem) {
  const GridGeometry geometry{18, 20, 2};
  EXPECT_EQ(geometry.Outline({0, 0}), (PixelRect{1, 1, 22, 24}));
  EXPECT_EQ(geometry.Outline({1, 0}), (PixelRect{21, 1, 42, 24}));
  EXPECT_EQ(geometry.InsideLeft({1, 0}), 22);
  EXPECT_EQ(geometry.InsideTop({0, 1}), 24);
  EXPECT_EQ(geometry.VBar({1, 0}), (PixelRect{19, 1, 23, 22}));
  EXPECT_EQ(geometry.HBar({0, 1}), (PixelRect{1, 21, 20, 25}));
  EXPECT_EQ(geometry.CurrentCellFrame({0, 0}), (PixelRect{3, 3, 20, 22}));
  EXPECT_EQ(geometry.ControlWidth(3), 3 * 18 + 4 * 2 + 2);
  EXPECT_EQ(geometry.ControlHeight(1), 20 + 2 * 2 + 2);
  EXPECT_EQ(geometry.ScrollTarget({1, 1}, 27), (PixelRect{20 + 2 - 4, 22 + 2 - 5, 20 + 2 - 4 + 27, 22 + 2 - 5 + 30}));
  EXPECT_EQ(geometry.BarSize(), 4);
  for (auto [line, bar] : {std::pair{0, 4}, {1, 4}, {2, 4}, {5, 7}})
    EXPECT_EQ((GridGeometry{18, 20, line}.BarWidth()), bar) << line;
}

TEST(GridGeometryTest, PointsOutsideTheGridHitTheNearestCell) {
  const GridGeometry geometry{18, 20, 2};
  struct Case {
    int32_t x, y;
    CellPos cell;
  } const cases[] = {
      {0, 0, {0, 0}}, {19, 21, {0, 0}}, {20, 22, {1, 1}}, {-50, 45, {0, 2}}, {5000, -1, {3, 0}}, {79, 9999, {3, 4}},
  };
  for (const Case& c : cases) EXPECT_EQ(geometry.CellAt(c.x, c.y, 4, 5), c.cell) << c.x << "," << c.y;
  // Nothing to divide by: a line width of 0 under a one-pixel font.
  EXPECT_EQ((GridGeometry{0, 0, 0}.CellAt(7, 3, 10, 10)), (CellPos{7, 3}));
}

}  // namespace
