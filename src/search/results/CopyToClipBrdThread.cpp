#include "search/results/CopyToClipBrdThread.h"

#include <memory>

#include "foundation/ProgressDialog.h"
#include "search/results/Results.h"

void CopyToClipBrdThread::Execute() {
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
                       std::string& text) {
  ProgressDialog dialog(nullptr, std::make_unique<CopyToClipBrdThread>(results, selection, columns));
  dialog.Start();
  if (dialog.WasCancelled() || dialog.GetResult() == -1) return false;
  text = static_cast<const CopyToClipBrdThread&>(*dialog.GetThread()).Text();
  return true;
}
