#include "search/results/ReSortResultsThread.h"

#include <algorithm>

#include "platform/Host.h"
#include "search/results/Results.h"

namespace {
constexpr uint32_t kReadBlock = 65536;
}

ReSortResultsThread::ReSortResultsThread(Results& store)
    : results(store), sorter(store.EffectiveOrdering() == kOrderByLengthThenWord) {}

void ReSortResultsThread::Cancel() {
  ProgressThread::Cancel();
  // A run being sorted would otherwise hold the reading up for a second or more.
  std::lock_guard lock(phaseMutex);
  if (!writing) sorter.Abandon();
}

void ReSortResultsThread::Abandon() {
  ProgressThread::Cancel();
  sorter.Abandon();
}

void ReSortResultsThread::Execute() {
  const uint32_t count = results.Count();
  result.store(static_cast<int32_t>(count), std::memory_order_relaxed);
  if (results.EffectiveOrdering() == kOrderAsFound) return;
  uint64_t done = 0;
  results.ReadInOrder(kReadBlock, [&](const std::vector<std::string_view>& texts) {
    if (ShouldStop()) return false;
    for (std::string_view text : texts) sorter.Add(text);
    done += texts.size();
    SetProgressOf(done, count, 0, 90);
    return true;
  });
  if (ShouldStop()) return;
  {
    // A cancel either came before this, or finds the job writing and leaves the sorter be.
    std::lock_guard lock(phaseMutex);
    if (WasCancelled()) return;
    writing = true;
  }
  // From here the store is rewritten whatever the user asks: a cancel would leave it half
  // written. Only a program or window that is ending, and takes the store with it, stops the
  // writing.
  results.Clear();
  rewrote = true;
  uint64_t written = 0;
  const bool whole = sorter.Emit([&](std::string_view text) {
    if (Host::Current().StopRequested()) sorter.Abandon();
    results.Append(text);
    SetProgressOf(++written, sorter.Added(), 90, 10);
  });
  result.store(static_cast<int32_t>(written), std::memory_order_relaxed);
  cancelled.store(!whole, std::memory_order_release);
}

void ReSortResultsThread::SetProgressOf(uint64_t done, uint64_t total, int32_t from,
                                        int32_t span) {
  const auto percent = static_cast<int32_t>(from + done * span / std::max<uint64_t>(total, 1));
  if (percent != GetProgress()) SetProgress(percent);
}
