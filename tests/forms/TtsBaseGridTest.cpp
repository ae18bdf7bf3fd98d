#include <gtest/gtest.h>

#include <QHeaderView>
#include <QIdentityProxyModel>
#include <QItemSelectionModel>
#include <QScrollBar>
#include <QTest>
#include <optional>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/results/Results.h"
#include "support/ScopedAppPaths.h"
#include "support/Screenshots.h"

namespace {

// Counts the texts a view asks for.
class CountingProxy : public QIdentityProxyModel {
 public:
  using QIdentityProxyModel::QIdentityProxyModel;
  QVariant data(const QModelIndex& index, int role) const override {
    if (role == Qt::DisplayRole) ++reads;
    return QIdentityProxyModel::data(index, role);
  }
  mutable int reads = 0;
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
  QString Cell(int row, int column) const {
    return grid.model()->index(row, column).data().toString();
  }

  ScopedAppPaths paths;
  std::optional<Results> results;
  TtsBaseGrid grid{nullptr};
};

TEST_F(TtsBaseGridTest, CellsHoldTheResultsRowByRowAndEmptyPastTheEnd) {
  Fill(0, 10);
  results->SetWordsPerResult(3);  // a crossing search of three words: three columns
  grid.resize(800, 300);
  grid.ShowResults(&*results, 4);
  EXPECT_EQ(grid.GetGridColCount(), 3);
  EXPECT_EQ(grid.model()->rowCount(), 4);
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
  const int cell = grid.horizontalHeader()->defaultSectionSize();
  EXPECT_GE(cell, 8 * grid.fontMetrics().averageCharWidth() + 8);
  const int32_t narrow = grid.GetGridColCount();
  EXPECT_GE(narrow, 1);
  EXPECT_LE(narrow * cell, 400);

  grid.setCurrentIndex(grid.model()->index(5, 0));
  const int64_t current = grid.CurrentResultIndex();
  EXPECT_EQ(current, 5 * narrow);
  grid.resize(400 + 3 * cell, 300);
  EXPECT_EQ(grid.GetGridColCount(), narrow + 3);
  EXPECT_EQ(grid.CurrentResultIndex(), current);
  EXPECT_EQ(grid.model()->rowCount(), (100 + narrow + 2) / (narrow + 3));

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
    EXPECT_GE(grid.horizontalHeader()->defaultSectionSize(),
              longest * grid.fontMetrics().averageCharWidth() + 8);
  }
}

TEST_F(TtsBaseGridTest, TheSelectionIsARectangleCountedFromOne) {
  Fill(0, 20);
  results->SetWordsPerResult(4);
  grid.ShowResults(&*results, 4);
  EXPECT_EQ(grid.Selection().Right, 0);  // no cell yet
  const auto* model = grid.model();
  grid.selectionModel()->select(QItemSelection(model->index(1, 0), model->index(2, 1)),
                                QItemSelectionModel::ClearAndSelect);
  const TGridRect rect = grid.Selection();
  EXPECT_EQ(rect.Left, 1);
  EXPECT_EQ(rect.Top, 2);
  EXPECT_EQ(rect.Right, 2);
  EXPECT_EQ(rect.Bottom, 3);

  grid.selectionModel()->clearSelection();
  grid.selectionModel()->setCurrentIndex(model->index(4, 3), QItemSelectionModel::NoUpdate);
  const TGridRect current = grid.Selection();
  EXPECT_EQ(current.Left, 4);
  EXPECT_EQ(current.Top, 5);
  EXPECT_EQ(current.Right, 4);
  EXPECT_EQ(current.Bottom, 5);
  EXPECT_EQ(grid.CurrentResultIndex(), 19);
}

TEST_F(TtsBaseGridTest, RefreshAddsTheRowsOfResultsFoundSince) {
  results->SetWordsPerResult(2);
  grid.ShowResults(&*results, 4);
  EXPECT_EQ(grid.model()->rowCount(), 0);
  Fill(0, 3);
  EXPECT_EQ(grid.model()->rowCount(), 0);  // rows change only when asked
  grid.Refresh();
  EXPECT_EQ(grid.model()->rowCount(), 2);
  EXPECT_EQ(Cell(1, 0), "w2");
  Fill(3, 4);
  grid.Refresh();
  EXPECT_EQ(grid.model()->rowCount(), 2);
  EXPECT_EQ(Cell(1, 1), "w3");
  results->Clear();  // a new search
  grid.Refresh();
  EXPECT_EQ(grid.model()->rowCount(), 0);
}

TEST_F(TtsBaseGridTest, OnlyTheCellsDrawnAreRead) {
  Fill(0, 100000);
  grid.resize(640, 400);
  grid.ShowResults(&*results, 10);
  CountingProxy proxy;
  proxy.setSourceModel(grid.model());
  grid.setModel(&proxy);
  grid.show();
  grid.selectionModel()->select(
      QItemSelection(grid.model()->index(1, 1), grid.model()->index(2, 2)),
      QItemSelectionModel::ClearAndSelect);
  grid.selectionModel()->setCurrentIndex(grid.model()->index(2, 2), QItemSelectionModel::NoUpdate);
  const QImage top = grid.grab().toImage();
  top.save(ScreenshotPath("results-grid.png"));
  const int rows = grid.viewport()->height() / grid.verticalHeader()->defaultSectionSize() + 1;
  const int visible = rows * grid.GetGridColCount();
  EXPECT_GT(proxy.reads, 0);
  EXPECT_LE(proxy.reads, 2 * visible);
  proxy.reads = 0;
  grid.verticalScrollBar()->setValue(grid.verticalScrollBar()->maximum());
  grid.grab();
  EXPECT_LE(proxy.reads, 2 * visible);
  EXPECT_EQ(proxy.index(proxy.rowCount() - 1, 0).data().toString(),
            QString("w%1").arg((proxy.rowCount() - 1) * grid.GetGridColCount()));
}

}  // namespace
