#include "search/forms/TtsBaseGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QPainter>
#include <QResizeEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <algorithm>

#include "search/forms/ResultsGridModel.h"
#include "search/forms/WidestResult.h"
#include "search/results/Results.h"

namespace {

constexpr int kFixedColumnWidth = 12;
constexpr int kCellPadding = 8;  // a text margin at both sides of a cell
constexpr int kRowPadding = 4;

// Draws a cell's text in one line, as wide as the result is: nothing to elide or wrap, so the
// text is laid out once, however many cells a page holds.
class ResultCellDelegate : public QStyledItemDelegate {
 public:
  using QStyledItemDelegate::QStyledItemDelegate;

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    const bool selected = option.state & QStyle::State_Selected;
    if (selected) painter->fillRect(option.rect, option.palette.brush(QPalette::Highlight));
    painter->save();
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    painter->drawText(option.rect.adjusted(kCellPadding / 2, 0, -kCellPadding / 2, 0),
                      Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data().toString());
    painter->restore();
    if (option.state & QStyle::State_HasFocus) {
      QStyleOptionFocusRect focus;
      focus.QStyleOption::operator=(option);
      focus.rect = option.rect;
      const QWidget* view = option.widget;
      (view ? view->style() : QApplication::style())
          ->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, view);
    }
  }
};

}  // namespace

TtsBaseGrid::TtsBaseGrid(QWidget* parent) : QTableView(parent), cells(new ResultsGridModel(this)) {
  setModel(cells);
  setItemDelegate(new ResultCellDelegate(this));
  setEditTriggers(NoEditTriggers);
  setSelectionMode(ContiguousSelection);
  setSelectionBehavior(SelectItems);
  setWordWrap(false);
  // Rows and columns keep one size each, so nothing is measured cell by cell.
  const int rowHeight = fontMetrics().height() + kRowPadding;
  verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  verticalHeader()->setDefaultSectionSize(rowHeight);
  verticalHeader()->setFixedWidth(kFixedColumnWidth);
  horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  horizontalHeader()->setFixedHeight(rowHeight);
  horizontalHeader()->setHighlightSections(false);
  verticalHeader()->setHighlightSections(false);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void TtsBaseGrid::ShowResults(Results* results, int32_t widthInCharacters) {
  displayWidth = std::max(widthInCharacters, int32_t{1});
  widestText = results ? WidestResult(*results, fontMetrics()) : 0;
  horizontalHeader()->setDefaultSectionSize(CellWidth());
  const bool lines = results && results->WordsPerResult() >= 2;
  cells->SetResults(results, lines ? results->WordsPerResult() : FittingColumns());
}

void TtsBaseGrid::Refresh() {
  cells->Refresh();
  viewport()->update();
}

int32_t TtsBaseGrid::GetGridColCount() const { return cells->Columns(); }

TGridRect TtsBaseGrid::Selection() const {
  const QItemSelection selection = selectionModel()->selection();
  int top = 0, left = 0, bottom = -1, right = -1;
  if (!selection.isEmpty()) {
    top = selection.first().top();
    left = selection.first().left();
    bottom = selection.first().bottom();
    right = selection.first().right();
    for (const QItemSelectionRange& range : selection) {
      top = std::min(top, range.top());
      left = std::min(left, range.left());
      bottom = std::max(bottom, range.bottom());
      right = std::max(right, range.right());
    }
  } else if (const QModelIndex current = currentIndex(); current.isValid()) {
    top = bottom = current.row();
    left = right = current.column();
  } else {
    return {};
  }
  return {left + 1, top + 1, right + 1, bottom + 1};
}

int64_t TtsBaseGrid::CurrentResultIndex() const {
  const QModelIndex current = currentIndex();
  if (!current.isValid() || !cells->Store()) return -1;
  const int64_t result = cells->ResultIndex(current.row(), current.column());
  return result < cells->Store()->Count() ? result : -1;
}

int32_t TtsBaseGrid::ClippedVisibleCells() const {
  const QRect screen = viewport()->rect();
  const auto last = [](int at, int count) { return at < 0 ? count - 1 : at; };
  const int firstRow = std::max(0, rowAt(screen.top()));
  const int lastRow = last(rowAt(screen.bottom()), cells->rowCount());
  const int firstColumn = std::max(0, columnAt(screen.left()));
  const int lastColumn = last(columnAt(screen.right()), cells->columnCount());
  int32_t clipped = 0;
  for (int row = firstRow; row <= lastRow; ++row) {
    for (int column = firstColumn; column <= lastColumn; ++column) {
      const QString text = cells->index(row, column).data().toString();
      if (fontMetrics().horizontalAdvance(text) > columnWidth(column) - kCellPadding) ++clipped;
    }
  }
  return clipped;
}

void TtsBaseGrid::resizeEvent(QResizeEvent* event) {
  QTableView::resizeEvent(event);
  Results* results = cells->Store();
  if (!results || results->WordsPerResult() >= 2) return;
  const int32_t columns = FittingColumns();
  if (columns != cells->Columns()) ApplyColumns(columns);
}

void TtsBaseGrid::ApplyColumns(int32_t columns) {
  // The cell under the current one keeps its result when the columns change.
  const int64_t current = CurrentResultIndex();
  cells->SetResults(cells->Store(), columns);
  if (current < 0) return;
  const QModelIndex cell =
      cells->index(static_cast<int>(current / columns), static_cast<int>(current % columns));
  setCurrentIndex(cell);
  scrollTo(cell);
}

// Room for the widest result, and never less than the characters of the longest would take at
// the font's average width.
int TtsBaseGrid::CellWidth() const {
  return std::max(displayWidth * fontMetrics().averageCharWidth(), widestText) + kCellPadding;
}

int32_t TtsBaseGrid::FittingColumns() const {
  // The width as if the vertical scroll bar were always there, so that columns do not change
  // back and forth as it comes and goes.
  const int available = contentsRect().width() - verticalHeader()->width() -
                        style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
  return std::max(1, available / CellWidth());
}
