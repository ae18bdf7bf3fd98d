#pragma once
// The results grid of a search tab: a fixed header row and column around cells that show the
// results of one store, as many to a row as fit the width (or the words of one result of a
// crossing-words search), read from the store only as they are drawn.

#include <QTableView>
#include <cstdint>

#include "search/results/TGridRect.h"

class Results;
class ResultsGridModel;

class TtsBaseGrid : public QTableView {
  Q_OBJECT

 public:
  explicit TtsBaseGrid(QWidget* parent);

  // Shows the store's results, each whole in its cell; widthInCharacters is the width of a
  // result in characters, a least width at the font's average letter width. A store
  // whose results span several lines shows one result a row, a line a cell. Null shows nothing.
  void ShowResults(Results* results, int32_t widthInCharacters);
  // Follows the store: rows for results found since, and every visible cell drawn afresh.
  void Refresh();

  // The number of data columns: the grid's columns less the fixed one.
  int32_t GetGridColCount() const;
  // The selected cells, counted from 1 past the fixed row and column; the current cell when
  // nothing is selected, and all 0 when there is no cell at all.
  TGridRect Selection() const;
  // The result under the current cell, or -1 when there is none (past the end included).
  int64_t CurrentResultIndex() const;
  // The cells on screen whose text is wider than the room its cell gives it.
  int32_t ClippedVisibleCells() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  // Columns for the width: as many result widths as fit beside the fixed column.
  int32_t FittingColumns() const;
  int CellWidth() const;
  void ApplyColumns(int32_t columns);

  ResultsGridModel* cells;
  int32_t displayWidth = 4;
  int widestText = 0;  // pixels: the widest result shown
};
