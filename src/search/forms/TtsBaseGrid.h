#pragma once
// The results grid of a search tab: a fixed header row and column around cells that show the
// results of one store, as many to a row as fit the width (or the words of one result of a
// crossing-words search, one result a row), read from the store only as they are drawn. The
// grid keeps nothing per row or result, and draws only the rows on screen, so a store holding
// billions of results costs it no more than a page of them.

#include <QAbstractScrollArea>
#include <QString>
#include <cstdint>
#include <string>

#include "search/results/TGridRect.h"

class Results;

class TtsBaseGrid : public QAbstractScrollArea {
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
  // The number of data rows: enough for every result shown.
  int64_t RowCount() const;
  // The text of a data cell, counted from 0: empty past the last result.
  QString CellText(int64_t row, int32_t column) const;
  // The selected cells, counted from 1 past the fixed row and column; all 0 when there is no
  // cell at all.
  TGridRect Selection() const;
  // Selects the cells (counted from 1) and makes the top left one current, scrolled into view.
  // False, changing nothing, when a corner lies outside the grid.
  bool Select(const TGridRect& cells);
  // The result under the current cell, or -1 when there is none (past the end included).
  int64_t CurrentResultIndex() const;
  // The cells on screen whose text is wider than the room its cell gives it.
  int32_t ClippedVisibleCells() const;

 protected:
  // A cell's width and a row's height, in pixels.
  int CellWidth() const;
  int RowHeight() const;
  // The store's count and one of its results: the only reads of the store, so that a test can
  // stand in a store of any size.
  virtual uint32_t StoreCount() const;
  virtual std::string StoreResult(uint32_t index) const;

  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void scrollContentsBy(int dx, int dy) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  struct Cell {
    int64_t row = -1;  // -1: no cell
    int32_t column = 0;
  };

  // Columns for the width: as many result widths as fit beside the fixed column.
  int32_t FittingColumns() const;
  void ApplyColumns(int32_t columns);
  // The rows and columns wholly on screen, and those at least partly on screen.
  int64_t PageRows() const;
  int32_t PageColumns() const;
  int64_t VisibleRows() const;
  int32_t VisibleColumns() const;
  // The first row and column on screen when scrolled to the end.
  int64_t LastTopRow() const;
  int32_t LastLeftColumn() const;
  void UpdateScrollBars();
  void ScrollTo(const Cell& cell);
  // Moves the current cell; the selection spans from the anchor to it when extending, else it
  // is the current cell alone.
  void MoveCurrent(Cell cell, bool extend);
  void SelectRange(const Cell& anchorCell, const Cell& currentCell);
  // The cell under a point of the viewport; -1 for the fixed row or column.
  Cell CellAt(const QPoint& point) const;
  bool Selected(int64_t row, int32_t column) const;

  // lastRow and lastColumn: just past the last one on screen.
  void PaintHeaders(QPainter& painter, int64_t lastRow, int32_t lastColumn) const;
  void PaintCells(QPainter& painter, int64_t lastRow, int32_t lastColumn) const;

  Results* store = nullptr;
  int32_t columns = 1;
  // The count the rows were made for: a store still filling must not change the rows under a
  // paint.
  uint32_t shownCount = 0;
  int32_t displayWidth = 4;
  int widestText = 0;  // pixels: the widest result shown
  // The first data row and column on screen.
  int64_t topRow = 0;
  int32_t leftColumn = 0;
  // A scroll bar's range is an int: past it, a step of the bar is 2^rowShift rows.
  int rowShift = 0;
  bool movingBars = false;  // the scroll bars are being set from topRow and leftColumn
  bool selectingByMouse = false;
  Cell current;
  Cell anchor;  // the corner of the selection across from the current cell
};
