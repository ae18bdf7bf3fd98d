#include "search/results/ReSortResultsThread.h"

#include <algorithm>

#include "search/results/ResultSorter.h"
#include "search/results/Results.h"

namespace {
constexpr uint32_t kReadBlock = 65536;
}

void ReSortResultsThread::Execute() {
  const uint32_t count = results.Count();
  result.store(static_cast<int32_t>(count), std::memory_order_relaxed);
  const uint8_t ordering = results.EffectiveOrdering();
  if (ordering == kOrderAsFound) return;
  ResultSorter sorter(ordering == kOrderByLengthThenWord);
  uint64_t done = 0;
  results.ReadInOrder(kReadBlock, [&](const std::vector<std::string_view>& texts) {
    if (ShouldStop()) return false;
    for (std::string_view text : texts) sorter.Add(text);
    done += texts.size();
    SetProgressOf(done, count, 0, 90);
    return true;
  });
  if (ShouldStop()) return;
  // From here the store is rewritten whatever is asked: a cancel would leave it half written.
  results.Clear();
  rewrote = true;
  uint64_t written = 0;
  sorter.Emit([&](std::string_view text) {
    results.Append(text);
    SetProgressOf(++written, sorter.Added(), 90, 10);
  });
  result.store(static_cast<int32_t>(written), std::memory_order_relaxed);
  cancelled.store(false, std::memory_order_release);
}

void ReSortResultsThread::SetProgressOf(uint64_t done, uint64_t total, int32_t from,
                                        int32_t span) {
  const auto percent = static_cast<int32_t>(from + done * span / std::max<uint64_t>(total, 1));
  if (percent != GetProgress()) SetProgress(percent);
}
