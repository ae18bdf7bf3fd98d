// The grid pages as a setter meets them: the keyboard on the page in front, and the Grid
// menu's operations and ticks.

#include <filesystem>

#include "app/WindowTestSupport.h"
#include "crossword/forms/CrossWordGrid.h"
#include "support/TempFolder.h"

TEST_F(WindowTest, TypingAfterSwitchingToAGridPageLandsInTheGrid) {
  Run({"click", "actGridModeEdit", "size", "3", "1", "click", "actNewGrid", "click",
       "actGridModeEdit", "type", "find", "x", "page", "1", "key", "ab"});
  EXPECT_EQ(window->GridRows()[0].toStdString(), "AB.........");
  EXPECT_EQ(window->Fields()->Texts().find, "x");
  Run({"type", "find", "y", "page", "2", "key", "c"});
  EXPECT_EQ(window->GridRows()[0].toStdString(), "C..");
}

TEST_F(WindowTest, TheGridWordListIsWrittenInUtf8) {
  TempFolder folder;
  Run({"size", "4", "1", "click", "actNewGrid"});
  // No key types a letter outside A-Z into a grid; results written back can hold one.
  for (int column = 0; column < 4; ++column) {
    window->ActiveGridControl()->Grid().SetCellLetter(column, 0, "caf\xE9"[column]);
  }
  Run({"file", QString::fromStdString(folder / "cafe.txt"), "click", "actSaveGrid"});
  EXPECT_EQ(ReadWholeFile(folder / "cafe.txt"), "Across:\n1. CAF\xC3\x89\n\nDown:\n");
}

TEST_F(WindowTest, AGridTooLargeForAPictureIsRefusedAndNothingWritten) {
  TempFolder folder;
  const QString picture = QString::fromStdString(folder / "huge.bmp");
  EXPECT_EQ(Run({"size", "999", "999", "click", "actNewGrid", "file", picture, "click",
                 "actSaveGrid"}),
            "dialog New Grid\nfile dialog Save Grid\n"
            "box Error: The grid is too large to save as a picture.\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "huge.bmp"));
}
