#include "foundation/forms/Placement.h"

#include <QWidget>
#include <gtest/gtest.h>

TEST(PlacementTest, PlacesBesideTheReferenceWithoutClamping) {
  QWidget parent;
  QWidget reference(&parent);
  QWidget control(&parent);
  reference.setGeometry(20, 30, 100, 25);
  control.setGeometry(5, 7, 75, 22);

  PlaceBelow(&control, &reference, 8);
  EXPECT_EQ(control.pos(), QPoint(5, 63));
  PlaceRightOf(&control, &reference, 4);
  EXPECT_EQ(control.pos(), QPoint(124, 63));
  PlaceLeftOf(&control, &reference, 6);
  EXPECT_EQ(control.pos(), QPoint(-61, 63));  // more than the room on the left
  EXPECT_EQ(control.size(), QSize(75, 22));
}
