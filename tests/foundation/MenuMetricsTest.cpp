#include <gtest/gtest.h>

#include "foundation/MenuMetrics.h"

namespace {

using namespace MenuMetrics;

struct PopupCase {
  const char* caption;
  int captionWidth;
  int shortcutWidth;
  int fontHeight;
  int width;
  int height;
};

TEST(MenuMetricsTest, PopupItemsAreMeasuredByCaptionShortcutAndFont) {
  const PopupCase cases[] = {
      // An 8-point font at 96 dpi has height -11: 19 pixels.
      {"&Toggle Lexicons", 80, 0, -11, 105, 19},
      // A font of height -7 gives the minimum, 16.
      {"&Close", 30, 0, -7, 55, 16},
      {"Close", 30, 0, -8, 55, 16},
      {"Close", 30, 0, -9, 55, 17},
      // A positive height (a pixel height) counts as its size.
      {"Close", 30, 0, 11, 55, 19},
      // The shortcut's text adds its width.
      {"Delete Lexicons", 75, 18, -11, 118, 19},
      // A separator is 8 high whatever the font.
      {"-", 4, 0, -11, 29, 8},
      {"-", 4, 0, -40, 29, 8},
      // Only "-" itself is a separator.
      {"-x", 9, 0, -11, 34, 19},
      {"--", 8, 0, -11, 33, 19},
      {"", 0, 0, -11, 25, 19},
  };
  for (const PopupCase& c : cases) {
    SCOPED_TRACE(testing::Message() << '"' << c.caption << "\" height " << c.fontHeight);
    const Size size =
        MeasurePopupMenuItem(c.caption, c.captionWidth, c.shortcutWidth, c.fontHeight);
    EXPECT_EQ(size.width, c.width);
    EXPECT_EQ(size.height, c.height);
    EXPECT_EQ(LastMeasuredPopupHeight(), c.height);
  }
}

TEST(MenuMetricsTest, BarItemsLoseTheWidthOfTheAmpersandEvenWithoutOne) {
  EXPECT_EQ(MainMenuItemWidth(60, 7), 53);  // "&Lexicons"
  EXPECT_EQ(MainMenuItemWidth(53, 7), 46);  // "Lexicons": subtracted all the same
  EXPECT_EQ(MainMenuItemWidth(0, 7), -7);
}

TEST(MenuMetricsTest, FontHeightsFromPointSizes) {
  EXPECT_EQ(FontHeightFromPoints(8, 96), -11);   // 10.67 rounds up
  EXPECT_EQ(FontHeightFromPoints(10, 96), -13);  // 13.33 rounds down
  EXPECT_EQ(FontHeightFromPoints(9, 96), -12);   // exactly 12
  EXPECT_EQ(FontHeightFromPoints(3, 12), -1);    // one half rounds away from zero
  EXPECT_EQ(FontHeightFromPoints(8, 72), -8);
}

TEST(MenuMetricsTest, BarCaptionTopTruncatesTowardZero) {
  // (20 - 14) / 2 = 3; (19 - 14) / 2 = 2; (10 - 14) / 2 = -2, not -3.
  EXPECT_EQ(MainMenuTextTop({0, 0, 50, 20}, -11), 3);
  EXPECT_EQ(MainMenuTextTop({0, 5, 50, 24}, -11), 7);
  EXPECT_EQ(MainMenuTextTop({0, 0, 50, 10}, -11), -2);
  EXPECT_EQ(MainMenuTextTop({0, 0, 50, 9}, -11), -2);
}

TEST(MenuMetricsTest, PopupRectanglesAndPositions) {
  const Rect item{3, 40, 200, 59};
  const Rect frame = PopupFrame(item);
  EXPECT_EQ(frame.left, 24);
  EXPECT_EQ(frame.top, 40);
  EXPECT_EQ(frame.right, 198);
  EXPECT_EQ(frame.bottom, 59);
  const Rect fill = PopupFill(item);
  EXPECT_EQ(fill.left, 25);
  EXPECT_EQ(fill.top, 41);
  EXPECT_EQ(fill.right, 197);
  EXPECT_EQ(fill.bottom, 58);
  const Rect plainFrame = PlainPopupFrame(item);
  EXPECT_EQ(plainFrame.left, 4);
  EXPECT_EQ(plainFrame.right, 198);
  const Rect plainFill = PlainPopupFill(item);
  EXPECT_EQ(plainFill.left, 5);
  EXPECT_EQ(plainFill.bottom, 58);
  const Rect stripe = IconStripe(item);
  EXPECT_EQ(stripe.left, 3);
  EXPECT_EQ(stripe.right, 23);
  EXPECT_EQ(stripe.top, 39);
  EXPECT_EQ(stripe.bottom, 60);

  const Line program = SeparatorLine({0, 10, 120, 18}, false);
  EXPECT_EQ(program.x1, 25);
  EXPECT_EQ(program.x2, 115);
  EXPECT_EQ(program.y, 14);
  const Line plain = SeparatorLine({0, 10, 120, 18}, true);
  EXPECT_EQ(plain.x1, 5);
  EXPECT_EQ(plain.y, 14);

  EXPECT_EQ(ShortcutLeft(item, 18), 177);
}

TEST(MenuMetricsTest, IconsCentreOnTheLastMeasuredHeightNotTheirOwnItem) {
  MeasurePopupMenuItem("&Close", 30, 0, -11);  // 19
  EXPECT_EQ(IconTop({0, 100, 80, 119}, 16), 101);
  MeasurePopupMenuItem("-", 4, 0, -11);  // a separator measured last: 8
  EXPECT_EQ(IconTop({0, 100, 80, 119}, 16), 96);
}

}  // namespace
