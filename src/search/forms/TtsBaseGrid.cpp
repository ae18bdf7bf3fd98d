#include "search/forms/TtsBaseGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOptionFocusRect>
#include <QStyleOptionHeader>
#include <QStyleOptionViewItem>
#include <algorithm>
#include <climits>

#include "platform/qt/QtText.h"
#include "search/forms/WidestResult.h"
#include "search/results/Results.h"

namespace {

constexpr int kFixedColumnWidth = 12;
constexpr int kCellPadding = 8;  // a text margin at both sides of a cell
constexpr int kRowPadding = 4;
constexpr int kGridLine = 1;  // at the right and bottom of every cell

// A header section's place in its row of sections, which the style draws its edges by.
QStyleOptionHeader::SectionPosition PositionOf(int64_t section, int64_t count) {
  if (count == 1) return QStyleOptionHeader::OnlyOneSection;
  if (section == 0) return QStyleOptionHeader::Beginning;
  return section == count - 1 ? QStyleOptionHeader::End : QStyleOptionHeader::Middle;
}

// How many parts of a size it takes to cover a length, the last perhaps in part.
int PartsCovering(int length, int size) { return length <= 0 ? 0 : (length + size - 1) / size; }

}  // namespace

TtsBaseGrid::TtsBaseGrid(QWidget* parent) : QAbstractScrollArea(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  verticalScrollBar()->setSingleStep(1);
  horizontalScrollBar()->setSingleStep(1);
}

void TtsBaseGrid::ShowResults(Results* results, int32_t widthInCharacters) {
  displayWidth = std::max(widthInCharacters, int32_t{1});
  store = results;
  widestText = results ? WidestResult(*results, fontMetrics()) : 0;
  const bool lines = results && results->WordsPerResult() >= 2;
  columns = std::max(lines ? results->WordsPerResult() : FittingColumns(), int32_t{1});
  shownCount = results ? StoreCount() : 0;
  current = anchor = {};
  UpdateScrollBars();
  viewport()->update();
}

void TtsBaseGrid::Refresh() {
  const uint32_t now = store ? StoreCount() : 0;
  // Fewer results than shown: a new search has started over.
  if (now < shownCount) current = anchor = {};
  shownCount = now;
  UpdateScrollBars();
  viewport()->update();
}

int32_t TtsBaseGrid::GetGridColCount() const { return columns; }

int64_t TtsBaseGrid::RowCount() const { return (int64_t{shownCount} + columns - 1) / columns; }

QString TtsBaseGrid::CellText(int64_t row, int32_t column) const {
  if (!store || row < 0 || column < 0 || column >= columns) return {};
  const int64_t result = row * columns + column;
  if (result >= shownCount) return {};
  return Cp1252::ToQString(StoreResult(static_cast<uint32_t>(result)));
}

TGridRect TtsBaseGrid::Selection() const {
  // A selection counts its rows in 32 bits: one reaching past them (over two billion results in
  // one column) is none, rather than other rows than those selected.
  const int64_t bottom = std::max(anchor.row, current.row) + 1;
  if (current.row < 0 || bottom > INT32_MAX) return {};
  return {std::min(anchor.column, current.column) + 1,
          static_cast<int32_t>(std::min(anchor.row, current.row) + 1),
          std::max(anchor.column, current.column) + 1, static_cast<int32_t>(bottom)};
}

bool TtsBaseGrid::Select(const TGridRect& cells) {
  const int64_t rows = RowCount();
  const auto inside = [&](int64_t row, int32_t column) {
    return row >= 1 && row <= rows && column >= 1 && column <= columns;
  };
  if (!inside(cells.Top, cells.Left) || !inside(cells.Bottom, cells.Right)) return false;
  anchor = {cells.Bottom - 1, cells.Right - 1};
  current = {cells.Top - 1, cells.Left - 1};
  ScrollTo(current);
  return true;
}

int64_t TtsBaseGrid::CurrentResultIndex() const {
  if (current.row < 0 || !store) return -1;
  const int64_t result = current.row * columns + current.column;
  return result < StoreCount() ? result : -1;
}

int32_t TtsBaseGrid::ClippedVisibleCells() const {
  const int64_t lastRow = std::min(RowCount(), topRow + VisibleRows());
  const int32_t lastColumn = std::min(columns, leftColumn + VisibleColumns());
  int32_t clipped = 0;
  for (int64_t row = topRow; row < lastRow; ++row) {
    for (int32_t column = leftColumn; column < lastColumn; ++column) {
      const int width = fontMetrics().horizontalAdvance(CellText(row, column));
      if (width > CellWidth() - kCellPadding) ++clipped;
    }
  }
  return clipped;
}

uint32_t TtsBaseGrid::StoreCount() const { return store->Count(); }

std::string TtsBaseGrid::StoreResult(uint32_t index) const { return store->GetResult(index); }

void TtsBaseGrid::resizeEvent(QResizeEvent* event) {
  QAbstractScrollArea::resizeEvent(event);
  if (store && store->WordsPerResult() < 2) {
    const int32_t fitting = FittingColumns();
    if (fitting != columns) ApplyColumns(fitting);
  }
  UpdateScrollBars();
}

void TtsBaseGrid::ApplyColumns(int32_t fitting) {
  // The cell under the current one keeps its result when the columns change.
  const int64_t result = CurrentResultIndex();
  columns = fitting;
  current = anchor = {};
  UpdateScrollBars();
  if (result >= 0) MoveCurrent({result / columns, static_cast<int32_t>(result % columns)}, false);
  viewport()->update();
}

// Room for the widest result, and never less than the characters of the longest would take at
// the font's average width.
int TtsBaseGrid::CellWidth() const {
  return std::max(displayWidth * fontMetrics().averageCharWidth(), widestText) + kCellPadding;
}

int TtsBaseGrid::RowHeight() const { return fontMetrics().height() + kRowPadding; }

int32_t TtsBaseGrid::FittingColumns() const {
  // The width as if the vertical scroll bar were always there, so that columns do not change
  // back and forth as it comes and goes.
  const int available = contentsRect().width() - kFixedColumnWidth -
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  return std::max(1, available / CellWidth());
}

int64_t TtsBaseGrid::PageRows() const {
  return std::max(1, (viewport()->height() - RowHeight()) / RowHeight());
}

int32_t TtsBaseGrid::PageColumns() const {
  return std::max(1, (viewport()->width() - kFixedColumnWidth) / CellWidth());
}

int64_t TtsBaseGrid::VisibleRows() const {
  return PartsCovering(viewport()->height() - RowHeight(), RowHeight());
}

int32_t TtsBaseGrid::VisibleColumns() const {
  return PartsCovering(viewport()->width() - kFixedColumnWidth, CellWidth());
}

int64_t TtsBaseGrid::LastTopRow() const { return std::max<int64_t>(0, RowCount() - PageRows()); }

int32_t TtsBaseGrid::LastLeftColumn() const { return std::max(0, columns - PageColumns()); }

void TtsBaseGrid::UpdateScrollBars() {
  const int64_t lastTop = LastTopRow();
  topRow = std::clamp<int64_t>(topRow, 0, lastTop);
  leftColumn = std::clamp(leftColumn, 0, LastLeftColumn());
  rowShift = 0;
  while ((lastTop >> rowShift) > INT_MAX) ++rowShift;
  movingBars = true;
  QScrollBar* rows = verticalScrollBar();
  rows->setRange(0, static_cast<int>(lastTop >> rowShift));
  rows->setPageStep(static_cast<int>(std::max<int64_t>(1, PageRows() >> rowShift)));
  rows->setValue(static_cast<int>(topRow >> rowShift));
  horizontalScrollBar()->setRange(0, LastLeftColumn());
  horizontalScrollBar()->setPageStep(PageColumns());
  horizontalScrollBar()->setValue(leftColumn);
  movingBars = false;
}

void TtsBaseGrid::scrollContentsBy(int /*dx*/, int /*dy*/) {
  // The bars follow the rows while they are set from them; the other way round only for a user.
  if (movingBars) return;
  const QScrollBar* rows = verticalScrollBar();
  topRow = rows->value() >= rows->maximum() ? LastTopRow() : int64_t{rows->value()} << rowShift;
  leftColumn = horizontalScrollBar()->value();
  viewport()->update();
}

void TtsBaseGrid::ScrollTo(const Cell& cell) {
  if (cell.row < topRow) topRow = cell.row;
  if (cell.row >= topRow + PageRows()) topRow = cell.row - PageRows() + 1;
  if (cell.column < leftColumn) leftColumn = cell.column;
  if (cell.column >= leftColumn + PageColumns()) leftColumn = cell.column - PageColumns() + 1;
  UpdateScrollBars();
  viewport()->update();
}

void TtsBaseGrid::MoveCurrent(Cell cell, bool extend) {
  const int64_t rows = RowCount();
  if (rows == 0) return;
  cell.row = std::clamp<int64_t>(cell.row, 0, rows - 1);
  cell.column = std::clamp(cell.column, 0, columns - 1);
  if (!extend || current.row < 0) anchor = cell;
  current = cell;
  ScrollTo(cell);
}

void TtsBaseGrid::SelectRange(const Cell& anchorCell, const Cell& currentCell) {
  if (RowCount() == 0) return;
  anchor = anchorCell;
  current = currentCell;
  viewport()->update();
}

void TtsBaseGrid::keyPressEvent(QKeyEvent* event) {
  const int64_t rows = RowCount();
  if (event->matches(QKeySequence::SelectAll)) {
    SelectRange({rows - 1, columns - 1}, {0, 0});
    return;
  }
  if (event->matches(QKeySequence::Copy)) {
    // The current cell's text, as item views copy it; the results under the selection are the
    // Copy Results action's.
    if (current.row >= 0)
      QGuiApplication::clipboard()->setText(CellText(current.row, current.column));
    return;
  }
  const bool extend = event->modifiers() & Qt::ShiftModifier;
  const bool far = event->modifiers() & Qt::ControlModifier;
  Cell cell = current;
  switch (event->key()) {
    case Qt::Key_Up:
      --cell.row;
      break;
    case Qt::Key_Down:
      ++cell.row;
      break;
    case Qt::Key_Left:
      --cell.column;
      break;
    case Qt::Key_Right:
      ++cell.column;
      break;
    case Qt::Key_PageUp:
      cell.row -= PageRows();
      break;
    case Qt::Key_PageDown:
      cell.row += PageRows();
      break;
    case Qt::Key_Home:
      cell.column = 0;
      if (far) cell.row = 0;
      break;
    case Qt::Key_End:
      cell.column = columns - 1;
      if (far) cell.row = rows - 1;
      break;
    default:
      QAbstractScrollArea::keyPressEvent(event);
      return;
  }
  // The first key on a grid without a current cell finds the first cell.
  if (current.row < 0) cell = {0, 0};
  MoveCurrent(cell, extend);
}

TtsBaseGrid::Cell TtsBaseGrid::CellAt(const QPoint& point) const {
  const auto step = [](int offset, int size) { return offset < 0 ? -1 : offset / size; };
  const int row = step(point.y() - RowHeight(), RowHeight());
  const int column = step(point.x() - kFixedColumnWidth, CellWidth());
  return {row < 0 ? -1 : topRow + row, column < 0 ? -1 : leftColumn + column};
}

void TtsBaseGrid::mousePressEvent(QMouseEvent* event) {
  const Cell cell = CellAt(event->position().toPoint());
  const int64_t rows = RowCount();
  selectingByMouse = false;
  if (cell.row >= rows || cell.column >= columns) return;
  // The fixed row and column select whole columns and rows, their corner everything.
  if (cell.row < 0 && cell.column < 0) {
    SelectRange({rows - 1, columns - 1}, {0, 0});
  } else if (cell.row < 0) {
    SelectRange({rows - 1, cell.column}, {0, cell.column});
  } else if (cell.column < 0) {
    SelectRange({cell.row, columns - 1}, {cell.row, 0});
  } else {
    selectingByMouse = true;
    MoveCurrent(cell, event->modifiers() & Qt::ShiftModifier);
  }
}

void TtsBaseGrid::mouseMoveEvent(QMouseEvent* event) {
  if (!selectingByMouse || !(event->buttons() & Qt::LeftButton)) return;
  // Dragged past an edge, the grid scrolls a row or column a move towards it.
  const Cell cell = CellAt(event->position().toPoint());
  const bool above = event->position().y() < RowHeight();
  const bool before = event->position().x() < kFixedColumnWidth;
  MoveCurrent({above ? topRow - 1 : cell.row, before ? leftColumn - 1 : cell.column}, true);
}

void TtsBaseGrid::mouseReleaseEvent(QMouseEvent* /*event*/) { selectingByMouse = false; }

void TtsBaseGrid::focusInEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusInEvent(event);
  viewport()->update();  // the current cell shows the focus
}

void TtsBaseGrid::focusOutEvent(QFocusEvent* event) {
  QAbstractScrollArea::focusOutEvent(event);
  viewport()->update();
}

bool TtsBaseGrid::Selected(int64_t row, int32_t column) const {
  return current.row >= 0 && row >= std::min(anchor.row, current.row) &&
         row <= std::max(anchor.row, current.row) &&
         column >= std::min(anchor.column, current.column) &&
         column <= std::max(anchor.column, current.column);
}

void TtsBaseGrid::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(viewport());
  const int64_t lastRow = std::min(RowCount(), topRow + VisibleRows());
  const int32_t lastColumn = std::min(columns, leftColumn + VisibleColumns());
  PaintCells(painter, lastRow, lastColumn);
  PaintHeaders(painter, lastRow, lastColumn);
}

void TtsBaseGrid::PaintCells(QPainter& painter, int64_t lastRow, int32_t lastColumn) const {
  const int rowHeight = RowHeight();
  const int cellWidth = CellWidth();
  const QPalette& colours = palette();
  const bool focused = hasFocus();
  QStyleOptionViewItem option;
  option.initFrom(this);
  for (int64_t row = topRow; row < lastRow; ++row) {
    const int y = rowHeight + static_cast<int>(row - topRow) * rowHeight;
    for (int32_t column = leftColumn; column < lastColumn; ++column) {
      const QRect cell(kFixedColumnWidth + (column - leftColumn) * cellWidth, y,
                       cellWidth - kGridLine, rowHeight - kGridLine);
      const bool selected = Selected(row, column);
      if (selected) painter.fillRect(cell, colours.brush(QPalette::Highlight));
      painter.setPen(colours.color(selected ? QPalette::HighlightedText : QPalette::Text));
      painter.drawText(cell.adjusted(kCellPadding / 2, 0, -kCellPadding / 2, 0),
                       Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                       CellText(row, column));
      if (focused && row == current.row && column == current.column) {
        QStyleOptionFocusRect focus;
        focus.QStyleOption::operator=(option);
        focus.state |= QStyle::State_HasFocus;
        if (selected) focus.state |= QStyle::State_Selected;
        focus.rect = cell;
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
      }
    }
  }
  // Grid lines run as far as the cells do.
  const int right =
      std::min<int64_t>(viewport()->width() - 1,
                        kFixedColumnWidth + int64_t{columns - leftColumn} * cellWidth - kGridLine);
  const int bottom = static_cast<int>(std::min<int64_t>(
      viewport()->height() - 1, rowHeight + (RowCount() - topRow) * rowHeight - kGridLine));
  if (bottom < rowHeight || right < kFixedColumnWidth) return;
  painter.setPen(QColor::fromRgba(
      static_cast<QRgb>(style()->styleHint(QStyle::SH_Table_GridLineColor, &option, this))));
  for (int64_t row = topRow; row < lastRow; ++row) {
    const int y = rowHeight + static_cast<int>(row - topRow + 1) * rowHeight - kGridLine;
    painter.drawLine(kFixedColumnWidth, y, right, y);
  }
  for (int32_t column = leftColumn; column < lastColumn; ++column) {
    const int x = kFixedColumnWidth + (column - leftColumn + 1) * cellWidth - kGridLine;
    painter.drawLine(x, rowHeight, x, bottom);
  }
}

void TtsBaseGrid::PaintHeaders(QPainter& painter, int64_t lastRow, int32_t lastColumn) const {
  const int rowHeight = RowHeight();
  const int cellWidth = CellWidth();
  const int width = viewport()->width();
  const int height = viewport()->height();
  const QBrush& background = palette().brush(QPalette::Button);
  painter.fillRect(0, 0, width, rowHeight, background);
  painter.fillRect(0, rowHeight, kFixedColumnWidth, height - rowHeight, background);

  QStyleOptionHeader header;
  header.initFrom(this);
  header.state = QStyle::State_Enabled;
  if (isActiveWindow()) header.state |= QStyle::State_Active;
  header.position = QStyleOptionHeader::OnlyOneSection;
  header.rect = QRect(0, 0, kFixedColumnWidth, rowHeight);
  style()->drawControl(QStyle::CE_Header, &header, &painter, this);

  header.orientation = Qt::Horizontal;
  header.state |= QStyle::State_Horizontal;
  int x = kFixedColumnWidth;
  for (int32_t column = leftColumn; column < lastColumn; ++column, x += cellWidth) {
    header.section = column;
    header.position = PositionOf(column, columns);
    header.rect = QRect(x, 0, cellWidth, rowHeight);
    style()->drawControl(QStyle::CE_Header, &header, &painter, this);
  }
  if (x < width) {
    header.rect = QRect(x, 0, width - x, rowHeight);
    style()->drawControl(QStyle::CE_HeaderEmptyArea, &header, &painter, this);
  }

  header.orientation = Qt::Vertical;
  header.state &= ~QStyle::State_Horizontal;
  const int64_t rows = RowCount();
  int y = rowHeight;
  for (int64_t row = topRow; row < lastRow; ++row, y += rowHeight) {
    header.section = static_cast<int>(std::min<int64_t>(row, INT_MAX));
    header.position = PositionOf(row, rows);
    header.rect = QRect(0, y, kFixedColumnWidth, rowHeight);
    style()->drawControl(QStyle::CE_Header, &header, &painter, this);
  }
  if (rows > 0 && y < height) {
    header.rect = QRect(0, y, kFixedColumnWidth, height - y);
    style()->drawControl(QStyle::CE_HeaderEmptyArea, &header, &painter, this);
  }
}
