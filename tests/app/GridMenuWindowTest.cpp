// The grid pages as a setter meets them: the keyboard on the page in front, and the Grid
// menu's operations and ticks.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <filesystem>

#include "app/WindowTestSupport.h"
#include "crossword/forms/CrossWordGrid.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "support/TempFolder.h"

namespace {
// The names of the actions that show a tick, of those given.
QStringList Ticked(const TfrmMain& window, const QStringList& names) {
  QStringList ticked;
  for (const QString& name : names) {
    if (FindAction(window, name.toLatin1().constData())->isChecked()) ticked << name;
  }
  return ticked;
}

// Whether anything is drawn in the last 15 pixels of the action's item.
bool DrawnAtRightEnd(QMenu& menu, const QImage& image, QAction* action) {
  const QRect item = menu.actionGeometry(action);
  const QColor background = image.pixelColor(item.right() - 1, item.top() + 1);
  for (int x = item.right() - 15; x < item.right(); ++x) {
    for (int y = item.top(); y <= item.bottom(); ++y) {
      if (image.pixelColor(x, y) != background) return true;
    }
  }
  return false;
}
}  // namespace

TEST_F(WindowTest, AnItemThatOpensASubMenuShowsItsArrow) {
  QMenu* grid = window->menuBar()->actions()[2]->menu();
  QAction* symmetry = nullptr;
  for (QAction* action : grid->actions()) {
    if (action->menu()) symmetry = action;
  }
  ASSERT_NE(symmetry, nullptr);
  grid->popup(QPoint(0, 0));
  const QImage image = grid->grab().toImage();
  grid->hide();
  EXPECT_TRUE(DrawnAtRightEnd(*grid, image, symmetry));
  EXPECT_FALSE(DrawnAtRightEnd(*grid, image, FindAction(*window, "actGridModeEdit")));
}

TEST_F(WindowTest, TypingAfterSwitchingToAGridPageLandsInTheGrid) {
  Run({"click", "actGridModeEdit", "size", "3", "1", "click", "actNewGrid", "click",
       "actGridModeEdit", "type", "find", "x", "page", "1", "key", "ab"});
  EXPECT_EQ(GridRows(*window)[0].toStdString(), "AB.........");
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "x");
  Run({"type", "find", "y", "page", "2", "key", "c"});
  EXPECT_EQ(GridRows(*window)[0].toStdString(), "C..");
  // A click on the page already in front gives it the keyboard too.
  Run({"type", "find", "y", "page", "2", "key", "a"});
  EXPECT_EQ(GridRows(*window)[0].toStdString(), "A..");
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "y");
  // A file that is no grid gets no page: the page in front takes the keyboard.
  TempFolder folder;
  const QString bad = QString::fromStdString(folder.Write("bad.grd", "no grid"));
  Run({"type", "find", "z", "file", bad, "click", "actOpenGrid", "key", "d"});
  EXPECT_EQ(GridRows(*window)[0].toStdString(), "D..");  // one row: typing moves down
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "z");
}

TEST_F(WindowTest, TheGridWordListIsWrittenInUtf8) {
  TempFolder folder;
  Run({"size", "4", "1", "click", "actNewGrid"});
  // No key types a letter outside A-Z into a grid; results written back can hold one.
  for (int column = 0; column < 4; ++column) {
    ActiveGridControl(*window)->Grid().SetCellLetter(column, 0, "caf\xE9"[column]);
  }
  Run({"file", QString::fromStdString(folder / "cafe.txt"), "click", "actSaveGrid"});
  EXPECT_EQ(ReadWholeFile(folder / "cafe.txt"), "Across:\n1. CAF\xC3\x89\n\nDown:\n");
}

TEST_F(WindowTest, AGridTooLargeForAPictureIsRefusedAndNothingWritten) {
  TempFolder folder;
  const QString picture = QString::fromStdString(folder / "huge.bmp");
  EXPECT_EQ(Run({"size", "999", "999", "click", "actNewGrid", "file", picture, "click",
                 "actSaveGrid", "click", "actCopyGridBitmap"}),
            "dialog New Grid\nfile dialog Save Grid in " +
                Settings::Instance().GetString(SettingId::FolderFiles) +
                "\nbox Error: The grid is too large to save as a picture.\n"
                "box Error: The grid is too large to save as a picture.\n");
  EXPECT_FALSE(std::filesystem::exists(folder / "huge.bmp"));
}

TEST_F(WindowTest, TheSymmetryRuleHoldsForOpenAndNewGridsAsBlanksAreAdded) {
  Run({"click", "actSymmetry2", "size", "3", "2", "click", "actNewGrid", "click",
       "actGridModeBlank", "key", " "});
  EXPECT_EQ(GridRows(*window), (QStringList{"#..", "..#"}));
  Run({"page", "1", "click", "actGridModeBlank", "key", " "});
  EXPECT_EQ(GridRows(*window).first().toStdString(), "#..........");
  EXPECT_EQ(GridRows(*window).last().toStdString(), "..........#");
  EXPECT_EQ(Settings::Instance().GetInt(SettingId::GridSymmetry), 2);
  EXPECT_EQ(Ticked(*window, {"actSymmetry0", "actSymmetry2", "actGridModeBlank"}),
            (QStringList{"actSymmetry2", "actGridModeBlank"}));
  Run({"click", "actSymmetry0"});
}

TEST_F(WindowTest, TheTextCaseFoldsTheGridInFrontAndIsTickedForIt) {
  Run({"size", "2", "2", "click", "actNewGrid", "gridtype", "0", "0", "across", "ab", "click",
       "actCaseLower"});
  EXPECT_EQ(GridRows(*window).first().toStdString(), "ab");
  EXPECT_EQ(Settings::Instance().GetInt(SettingId::GridTextCase), 2);
  EXPECT_EQ(Ticked(*window, {"actCaseUpper", "actCaseLower"}), QStringList{"actCaseLower"});
  // The first page was made upper case and stays so.
  Run({"page", "1"});
  EXPECT_EQ(Ticked(*window, {"actCaseUpper", "actCaseLower"}), QStringList{"actCaseUpper"});
  Run({"click", "actCaseUpper"});
}

TEST_F(WindowTest, TheCurrentWordTakesAChosenColourAndGivesItBack) {
  Run({"size", "2", "2", "click", "actNewGrid", "gridtype", "0", "1", "across", "", "colour",
       "#ff8000", "click", "actColourSelection"});
  const GridData& grid = ActiveGridControl(*window)->Grid();
  EXPECT_EQ(grid.Cell(0, 1).colour, 0x0080FFu);
  EXPECT_EQ(grid.Cell(1, 1).colour, 0x0080FFu);
  EXPECT_EQ(grid.Cell(0, 0).colour, 0xFFFFFFu);
  // The coloured word stays chosen for a crossing search until a plain click on the grid.
  Run({"gridtype", "0", "1", "across", "", "click", "actRestoreColour"});
  EXPECT_EQ(grid.Cell(1, 1).colour, 0xFFFFFFu);
  // Colours and letters are changed in letter mode only.
  EXPECT_EQ(Run({"click", "actGridModeBar", "click", "actColourSelection", "click",
                 "actClearAllLetters"}),
            "disabled actColourSelection\ndisabled actClearAllLetters\n");
}

TEST_F(WindowTest, TheGridIsCopiedAsAPictureOfItsSize) {
  Run({"size", "4", "3", "click", "actNewGrid", "click", "actCopyGridBitmap"});
  const QImage picture = QApplication::clipboard()->image();
  EXPECT_EQ(picture.size(), ActiveGridControl(*window)->size());
}

TEST_F(WindowTest, LettersAreClearedByWordAndAllAndAllWordsSelected) {
  Run({"size", "3", "3", "click", "actNewGrid", "gridtype", "0", "0", "across", "abc", "gridtype",
       "0", "2", "across", "def", "click", "actClearWordLetters"});
  EXPECT_EQ(GridRows(*window), (QStringList{"ABC", "...", "..."}));
  Run({"click", "actClearAllLetters"});
  EXPECT_EQ(GridRows(*window), (QStringList{"...", "...", "..."}));
  Run({"click", "actSelectAllWords"});
  const GridData& grid = ActiveGridControl(*window)->Grid();
  for (int32_t cell = 0; cell < 9; ++cell) {
    EXPECT_EQ(grid.Cell(cell % 3, cell / 3).wordSelection, 3) << cell;
  }
}
