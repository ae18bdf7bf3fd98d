#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>
#include <chrono>
#include <optional>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/ProcessMemory.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/results/Results.h"
#include "support/ScopedAppPaths.h"
#include "support/Screenshots.h"

namespace {

// Counts the results the grid reads, and stands in a store of any size when given a count.
class CountingGrid : public TtsBaseGrid {
 public:
  CountingGrid() : TtsBaseGrid(nullptr) {}
  using TtsBaseGrid::CellWidth;
  using TtsBaseGrid::RowHeight;
  uint32_t StoreCount() const override { return fakeCount ? fakeCount : TtsBaseGrid::StoreCount(); }
  std::string StoreResult(uint32_t index) const override {
    ++reads;
    lastRead = std::max(lastRead, index);
    return fakeCount ? "r" + std::to_string(index) : TtsBaseGrid::StoreResult(index);
  }
  uint32_t fakeCount = 0;
  mutable int reads = 0;
  mutable uint32_t lastRead = 0;
};

class TtsBaseGridTest : public ::testing::Test {
 protected:
  TtsBaseGridTest() {
    Settings::Rebuild().SetInt(SettingId::SortType, kOrderAsFound);
    results.emplace();
    results->Clear();
  }
  void Fill(int from, int to) {
    for (int i = from; i < to; ++i) results->Add(std::string("w").append(std::to_string(i)));
  }
  QString Cell(int row, int column) const { return grid.CellText(row, column); }

  ScopedAppPaths paths;
  std::optional<Results> results;
  CountingGrid grid;
};

TEST_F(TtsBaseGridTest, CellsHoldTheResultsRowByRowAndEmptyPastTheEnd) {
  Fill(0, 10);
  results->SetWordsPerResult(3);  // a crossing search of three words: three columns
  grid.resize(800, 300);
  grid.ShowResults(&*results, 4);
  EXPECT_EQ(grid.GetGridColCount(), 3);
  EXPECT_EQ(grid.RowCount(), 4);
  EXPECT_EQ(Cell(0, 0), "w0");
  EXPECT_EQ(Cell(0, 2), "w2");
  EXPECT_EQ(Cell(1, 2), "w5");
  EXPECT_EQ(Cell(3, 0), "w9");
  EXPECT_EQ(Cell(3, 1), "");
  grid.resize(200, 300);  // the words of a result stay on one row whatever the width
  EXPECT_EQ(grid.GetGridColCount(), 3);
}

TEST_F(TtsBaseGridTest, ColumnsFollowTheWidthAndTheCurrentResultStays) {
  Fill(0, 100);
  grid.resize(400, 300);
  grid.show();  // a hidden widget hears of its size only when shown
  grid.ShowResults(&*results, 8);
  const int cell = grid.CellWidth();
  EXPECT_GE(cell, 8 * grid.fontMetrics().averageCharWidth() + 8);
  const int32_t narrow = grid.GetGridColCount();
  EXPECT_GE(narrow, 1);
  EXPECT_LE(narrow * cell, 400);

  grid.Select({1, 6, 1, 6});
  const int64_t current = grid.CurrentResultIndex();
  EXPECT_EQ(current, 5 * narrow);
  grid.resize(400 + 3 * cell, 300);
  EXPECT_EQ(grid.GetGridColCount(), narrow + 3);
  EXPECT_EQ(grid.CurrentResultIndex(), current);
  EXPECT_EQ(grid.RowCount(), (100 + narrow + 2) / (narrow + 3));

  grid.resize(10, 300);  // never fewer than one
  EXPECT_EQ(grid.GetGridColCount(), 1);
}

// A text cut short reads as another word. The widest text is not always the longest.
TEST_F(TtsBaseGridTest, EveryTextFitsItsCellWhateverItsLetters) {
  // Anagrams sum alike: too many to lay out one by one.
  std::vector<std::string> anagrams;
  for (std::string text = "Wiilmmwy";
       anagrams.size() < 3000 && std::next_permutation(text.begin(), text.end());) {
    anagrams.push_back(text);
  }
  const std::vector<std::string> stores[] = {anagrams,
                                             {"mummy", "ill"},
                                             {"MMMMMMM", "iiiiiiiii"},
                                             {"WWW"},
                                             {"\xC9\xC9\xC9\xC9\xC9", "\xC5ngstr\xF6m"},
                                             {"il", "lit", "i"}};
  grid.resize(400, 300);
  grid.show();
  for (const auto& texts : stores) {
    grid.ShowResults(nullptr, 4);
    results.emplace();
    results->Clear();
    for (const std::string& text : texts) results->Add(text);
    const int32_t longest = std::max<int32_t>(4, results->Longest());
    grid.ShowResults(&*results, longest);
    EXPECT_EQ(grid.ClippedVisibleCells(), 0) << texts[0];
    EXPECT_GE(grid.CellWidth(), longest * grid.fontMetrics().averageCharWidth() + 8);
  }
}

TEST_F(TtsBaseGridTest, TheSelectionIsARectangleCountedFromOne) {
  Fill(0, 20);
  results->SetWordsPerResult(4);
  grid.ShowResults(&*results, 4);
  EXPECT_EQ(grid.Selection().Right, 0);  // no cell yet
  EXPECT_FALSE(grid.Select({1, 1, 5, 1}));  // a corner past the last column
  EXPECT_FALSE(grid.Select({1, 1, 1, 6}));  // and past the last row
  EXPECT_EQ(grid.Selection().Right, 0);
  ASSERT_TRUE(grid.Select({1, 2, 2, 3}));
  const TGridRect rect = grid.Selection();
  EXPECT_EQ(rect.Left, 1);
  EXPECT_EQ(rect.Top, 2);
  EXPECT_EQ(rect.Right, 2);
  EXPECT_EQ(rect.Bottom, 3);

  ASSERT_TRUE(grid.Select({4, 5, 4, 5}));
  const TGridRect current = grid.Selection();
  EXPECT_EQ(current.Left, 4);
  EXPECT_EQ(current.Top, 5);
  EXPECT_EQ(current.Right, 4);
  EXPECT_EQ(current.Bottom, 5);
  EXPECT_EQ(grid.CurrentResultIndex(), 19);
}

// Clicks on a cell, a shift-click beyond it, and on the fixed row and column.
TEST_F(TtsBaseGridTest, ClicksSelectCellsAndTheFixedRowAndColumnWholeLines) {
  Fill(0, 20);
  results->SetWordsPerResult(4);
  grid.resize(800, 300);
  grid.show();
  grid.ShowResults(&*results, 4);
  const auto click = [&](int row, int column, Qt::KeyboardModifiers keys = {}) {
    // -1 is the fixed row or column, 12 pixels wide
    const QPoint centre(column < 0 ? 6 : 12 + column * grid.CellWidth() + grid.CellWidth() / 2,
                        (row + 1) * grid.RowHeight() + grid.RowHeight() / 2);
    QTest::mouseClick(grid.viewport(), Qt::LeftButton, keys, centre);
    const TGridRect rect = grid.Selection();
    return std::vector<int32_t>{rect.Left, rect.Top, rect.Right, rect.Bottom};
  };
  EXPECT_EQ(click(1, 2), (std::vector<int32_t>{3, 2, 3, 2}));
  EXPECT_EQ(grid.CurrentResultIndex(), 6);
  QTest::keyClick(&grid, Qt::Key_C, Qt::ControlModifier);  // the current cell's text
  EXPECT_EQ(QGuiApplication::clipboard()->text(), "w6");
  EXPECT_EQ(click(3, 0, Qt::ShiftModifier), (std::vector<int32_t>{1, 2, 3, 4}));
  EXPECT_EQ(click(-1, 1), (std::vector<int32_t>{2, 1, 2, 5}));
  EXPECT_EQ(click(4, -1), (std::vector<int32_t>{1, 5, 4, 5}));
  EXPECT_EQ(click(8, 1), (std::vector<int32_t>{1, 5, 4, 5}));  // below the last row: no cell
}

TEST_F(TtsBaseGridTest, RefreshAddsTheRowsOfResultsFoundSince) {
  results->SetWordsPerResult(2);
  grid.ShowResults(&*results, 4);
  EXPECT_EQ(grid.RowCount(), 0);
  Fill(0, 3);
  EXPECT_EQ(grid.RowCount(), 0);  // rows change only when asked
  grid.Refresh();
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Cell(1, 0), "w2");
  Fill(3, 4);
  grid.Refresh();
  EXPECT_EQ(grid.RowCount(), 2);
  EXPECT_EQ(Cell(1, 1), "w3");
  results->Clear();  // a new search
  grid.Refresh();
  EXPECT_EQ(grid.RowCount(), 0);
}

TEST_F(TtsBaseGridTest, OnlyTheCellsDrawnAreRead) {
  Fill(0, 100000);
  grid.resize(640, 400);
  grid.ShowResults(&*results, 10);
  grid.show();
  ASSERT_TRUE(grid.Select({2, 2, 3, 3}));
  const QImage top = grid.grab().toImage();
  top.save(ScreenshotPath("results-grid.png"));
  const int rows = grid.viewport()->height() / grid.RowHeight() + 1;
  const int visible = rows * grid.GetGridColCount();
  EXPECT_GT(grid.reads, 0);
  EXPECT_LE(grid.reads, 2 * visible);
  grid.reads = 0;
  grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
  grid.grab();
  EXPECT_LE(grid.reads, 2 * visible);
  EXPECT_EQ(grid.lastRead, 99999u);
}

// A store as large as a results pair can address: the grid keeps nothing per row, so it shows
// it, scrolls to its end and moves there at the cost of one page, and a row past what an int
// counts is still a row of its own.
TEST_F(TtsBaseGridTest, AStoreOfBillionsCostsAPage) {
  const int64_t residentBefore = ResidentKilobytes();
  const auto start = std::chrono::steady_clock::now();
  grid.fakeCount = 0xFFFFFFF0u;
  grid.resize(200, 300);  // one column: more rows than an int counts
  grid.show();
  grid.ShowResults(&*results, 40);
  ASSERT_EQ(grid.GetGridColCount(), 1);
  EXPECT_EQ(grid.RowCount(), int64_t{0xFFFFFFF0u});
  QScrollBar& bar = *grid.verticalScrollBar();
  bar.setValue(bar.maximum());
  grid.grab();
  EXPECT_EQ(grid.lastRead, 0xFFFFFFEFu);
  EXPECT_EQ(grid.CellText(grid.RowCount() - 1, 0), "r4294967279");
  ASSERT_TRUE(grid.Select({1, 1, 1, 1}));
  QTest::keyClick(&grid, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(grid.CurrentResultIndex(), int64_t{0xFFFFFFEFu});
  QTest::keyClick(&grid, Qt::Key_Up, Qt::ShiftModifier);
  EXPECT_EQ(grid.CurrentResultIndex(), int64_t{0xFFFFFFEEu});
  EXPECT_EQ(grid.Selection().Right, 0);  // rows a selection cannot count copy nothing
  EXPECT_GE(bar.value(), bar.maximum() - 1);  // still at the end
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
  EXPECT_LT(ResidentKilobytes() - residentBefore, 64 * 1024);
}

}  // namespace
