// Grid pages through the main window: new, typed, searched over, written back, saved, opened.

#include <sys/stat.h>
#include <QTabWidget>

#include <filesystem>

#include "app/WindowTestSupport.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "support/TempFolder.h"

namespace {
QStringList AllCells(const QList<QStringList>& rows) {
  QStringList cells;
  for (const QStringList& row : rows) cells << row;
  return cells;
}
}  // namespace

TEST_F(WindowTest, TheFirstGridPageHasTheDefaultSize) {
  EXPECT_EQ(GridRows(*window), QStringList(11, "..........."));
}

TEST_F(WindowTest, CrossingWordsAreSearchedTogetherAndAResultWrittenBack) {
  Run({"size", "3", "3", "click", "actNewGrid"});
  ASSERT_EQ(GridRows(*window), QStringList(3, "..."));
  Run({"gridtype", "0", "0", "across", "ca", "gridpick", "0", "0", "across", "gridpick", "2",
       "0", "down", "click", "actIntersectedSearch", "wait"});
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "CA? ???");
  const QList<QStringList> rows = ResultCells(*window);
  ASSERT_FALSE(rows.isEmpty());
  // One result a row: the across word, then the down word crossing its last letter.
  EXPECT_EQ(rows[0].size(), 2);
  for (const QStringList& row : rows) {
    EXPECT_TRUE(row[0].startsWith("ca", Qt::CaseInsensitive)) << row[0].toStdString();
    EXPECT_EQ(row[0][2].toLower(), row[1][0].toLower());
  }
  Run({"cell", "1", "2", "click", "actInsertWord", "cell", "1", "1", "click", "actInsertWord"});
  const QStringList grid = GridRows(*window);
  EXPECT_EQ(grid[0].toLower(), rows[0][0].toLower());
  EXPECT_EQ(QString(grid[0][2]) + grid[1][2] + grid[2][2], rows[0][1].toUpper());
  // A second page has a grid of its own: the results do not belong to it.
  EXPECT_EQ(Run({"size", "3", "3", "click", "actNewGrid", "click", "actInsertWord"}),
            "dialog New Grid\nbox Wrong Grid: The selected result was not found for this grid.\n");
}

TEST_F(WindowTest, WordMatchesSearchTheCurrentWordOnATabOfItsOwn) {
  Run({"size", "3", "3", "click", "actNewGrid", "gridtype", "0", "0", "across", "do",
       "click", "actGetWordMatches", "wait"});
  auto* tabs = window->findChild<QTabWidget*>("tabSearchControl");
  EXPECT_EQ(tabs->tabText(tabs->currentIndex()), "Grid Search 1");
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "DO?");
  EXPECT_TRUE(AllCells(ResultCells(*window)).contains("dog"));
  Run({"cell", "1", "1", "click", "actInsertWord"});
  EXPECT_EQ(GridRows(*window)[0], ResultCells(*window)[0][0].toUpper());
}

TEST_F(WindowTest, GridsAreSavedAndOpenedAndBadFilesRefused) {
  TempFolder folder;
  const QString grid = QString::fromStdString(folder / "small.grd");
  const QString words = QString::fromStdString(folder / "small.txt");
  Run({"size", "2", "2", "click", "actNewGrid", "gridtype", "0", "0", "across", "ab",
       "file", grid, "click", "actSaveGrid", "file", words, "click", "actSaveGrid"});
  EXPECT_EQ(ReadWholeFile(folder / "small.grd").size(), 16u + 4 * 24);
  EXPECT_EQ(ReadWholeFile(folder / "small.txt").substr(0, 14), "Across:\n1. AB\n");
  Run({"file", grid, "click", "actOpenGrid"});
  EXPECT_EQ(GridRows(*window), (QStringList{"AB", ".."}));
  auto* pages = window->findChild<QTabWidget*>("pgeGrids");
  const int count = pages->count();
  const QString bad = QString::fromStdString(folder.Write("bad.grd", "not a grid at all"));
  int pagesBehindTheBox = -1;
  BoxWatch watch([&](QMessageBox&) { pagesBehindTheBox = pages->count(); });
  EXPECT_EQ(Run({"file", bad, "click", "actOpenGrid"}),
            "file dialog Open Grid in " + Settings::Instance().GetString(SettingId::FolderFiles) +
                "\nbox File Error: The File You are Trying to Open is not a "
                "Sorvane Grid File.\n");
  EXPECT_EQ(pagesBehindTheBox, count);
  EXPECT_EQ(pages->count(), count);
}

TEST_F(WindowTest, AGridIsNeverSavedOverAFifo) {
  TempFolder folder;
  Run({"size", "2", "2", "click", "actNewGrid"});
  for (const char* name : {"fifo.grd", "fifo.txt", "fifo.bmp"}) {
    ASSERT_EQ(::mkfifo((folder / name).c_str(), 0600), 0);
    EXPECT_EQ(Run({"file", QString::fromStdString(folder / name), "click", "actSaveGrid"}),
              "file dialog Save Grid in " + Settings::Instance().GetString(SettingId::FolderFiles) +
                  "\nbox File Error: Unable to Write File " + folder / name + "\n");
    EXPECT_TRUE(std::filesystem::is_fifo(folder / name)) << name;
  }
}

TEST_F(WindowTest, AChangedGridIsOfferedForSavingAtClose) {
  Run({"gridtype", "0", "0", "across", "x", "answer", "cancel", "close"});
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(Run({"answer", "no", "close"}),
            "box Confirm: The grid has changed. Do you want to save it?\n");
  EXPECT_FALSE(window->isVisible());
}
