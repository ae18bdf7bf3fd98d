#include "search/results/CopyToClipBrdThread.h"

#include <algorithm>
#include <memory>

#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "platform/MessageBoxFlags.h"
#include "search/SearchTextIds.h"
#include "search/results/Results.h"

namespace {

// The cells of a selection as runs of result indices: a run a row, the first at first.
struct SelectedCells {
  SelectedCells(const TGridRect& cells, int32_t gridColumns)
      : columns(std::max<int64_t>(gridColumns, 1)),
        rows(std::max<int64_t>(int64_t{cells.Bottom} - cells.Top + 1, 0)),
        width(std::max<int64_t>(int64_t{cells.Right} - cells.Left + 1, 0)),
        first(std::max<int64_t>((int64_t{cells.Top} - 1) * columns + cells.Left - 1, 0)) {}
  uint64_t Count() const { return uint64_t(rows) * uint64_t(width); }
  // Whole rows, or a single one, are one run.
  bool OneRun() const { return rows == 1 || width == columns; }
  uint64_t RowStart(int64_t row) const { return uint64_t(first + row * columns); }
  uint64_t End() const { return RowStart(rows - 1) + uint64_t(width); }

  int64_t columns;
  int64_t rows;
  int64_t width;
  int64_t first;
};

// The results the cells hold: cells past the last result hold none. Of the rows that start
// before the results end, all but the last are whole.
uint64_t ResultsIn(const SelectedCells& cells, uint64_t count) {
  if (cells.Count() == 0 || count <= cells.RowStart(0)) return 0;
  const uint64_t started =
      std::min<uint64_t>(cells.rows, (count - cells.RowStart(0) - 1) / cells.columns + 1);
  const uint64_t lastStart = cells.RowStart(int64_t(started) - 1);
  return (started - 1) * cells.width + std::min<uint64_t>(cells.width, count - lastStart);
}

// The bytes the copy of the cells makes, when no more than mostBytes; otherwise some number
// past it. Every line is at least its CR LF, and a run from the first cell to the last holds
// every cell: the index is read row by row only when neither settles it.
uint64_t CopiedBytes(Results& results, const SelectedCells& cells, uint64_t mostBytes) {
  if (cells.Count() == 0) return 0;
  if (cells.Count() > mostBytes / 2) return mostBytes + 1;
  const uint64_t spanned = results.LineBytes(cells.first, cells.End());
  if (spanned <= mostBytes || cells.OneRun()) return spanned;
  uint64_t bytes = 0;
  for (int64_t row = 0; row < cells.rows && bytes <= mostBytes; ++row) {
    bytes += results.LineBytes(cells.RowStart(row), cells.RowStart(row) + cells.width);
  }
  return bytes;
}

}  // namespace

void CopyToClipBrdThread::Execute() {
  text.reserve(expected);
  const uint64_t count = results.Count();
  uint64_t k = 0;
  for (int64_t row = selection.Top; row <= selection.Bottom; ++row) {
    for (int64_t column = selection.Left; column <= selection.Right; ++column) {
      if (ShouldStop()) return;
      ++k;
      const int64_t index = (row - 1) * columns + (column - 1);
      // A cell before the first result or past the last gives an empty line.
      if (index >= 0 && index <= UINT32_MAX) text += results.GetResult(static_cast<uint32_t>(index));
      text += "\r\n";
      SetProgress(count == 0 ? 0 : static_cast<int32_t>(k * 100 / count));
    }
  }
}

bool CopyResultsAsText(Results& results, const TGridRect& selection, int32_t columns,
                       std::string& text, uint64_t mostBytes) {
  const SelectedCells cells(selection, columns);
  const uint64_t bytes = CopiedBytes(results, cells, mostBytes);
  if (bytes > mostBytes) {
    std::string refusal = LoadResString(kCopyTooLargeText);
    refusal.replace(refusal.find("%s"), 2, std::to_string(ResultsIn(cells, results.Count())));
    ShowMessageBox(refusal, LoadResString(kCopyResultsCaption), MB_OK | MB_ICONINFORMATION);
    return false;
  }
  ProgressDialog dialog(nullptr,
                        std::make_unique<CopyToClipBrdThread>(results, selection, columns, bytes));
  dialog.Start();
  if (dialog.WasCancelled() || dialog.GetResult() == -1) return false;
  text = static_cast<CopyToClipBrdThread&>(*dialog.GetThread()).TakeText();
  return true;
}
