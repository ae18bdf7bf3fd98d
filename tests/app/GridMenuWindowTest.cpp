// The grid pages as a setter meets them: the keyboard on the page in front, and the Grid
// menu's operations and ticks.

#include "app/WindowTestSupport.h"

TEST_F(WindowTest, TypingAfterSwitchingToAGridPageLandsInTheGrid) {
  Run({"click", "actGridModeEdit", "size", "3", "1", "click", "actNewGrid", "click",
       "actGridModeEdit", "type", "find", "x", "page", "1", "key", "ab"});
  EXPECT_EQ(window->GridRows()[0].toStdString(), "AB.........");
  EXPECT_EQ(window->Fields()->Texts().find, "x");
  Run({"type", "find", "y", "page", "2", "key", "c"});
  EXPECT_EQ(window->GridRows()[0].toStdString(), "C..");
}
