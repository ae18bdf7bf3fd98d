#include "search/results/SortResultsThread.h"

#include "search/results/Results.h"

void SortResultsThread::Execute() {
  // Results as found are in the pair already.
  if (results.EffectiveOrdering() == kOrderAsFound || !results.sorter) return;
  const uint64_t added = results.sorter->Added();
  uint64_t written = 0;
  const bool whole = results.sorter->Emit([&](std::string_view text) {
    results.Append(text);
    // Repeats are dropped as the texts come: the share is of those added.
    const auto percent = static_cast<int32_t>(++written * 100 / added);
    if (percent != GetProgress()) SetProgress(percent);
  });
  if (whole) SetProgress(100);
}

void SortResultsThread::Cancel() {
  ProgressThread::Cancel();
  // The sorter is the store's until the job has ended.
  if (results.sorter) results.sorter->Abandon();
}
