#include "lexbuild/MergeFilesThread.h"

#include <algorithm>
#include <deque>

#include "lexbuild/ChopAndSortThread.h"

MergeFilesThread::MergeFilesThread(const std::vector<std::string>* chunks, uint32_t words,
                                   const std::string& outputPath)
    : engine(std::make_unique<MergeFile<StringHandler>>(
          *chunks, outputPath, MergeFile<StringHandler>::Inputs::HandedOver)),
      total(ComputeTotal(words)) {
  // A checkpoint at least every percent, so a pause or stop is seen at each one, and no more
  // often than needed: each takes a lock.
  constexpr uint64_t kMostRecordsPerCheckpoint = 256;
  engine->recordsPerCheckpoint =
      static_cast<uint32_t>(std::clamp<uint64_t>(total / 100, 1, kMostRecordsPerCheckpoint));
}

MergeFilesThread::~MergeFilesThread() {
  // The engine and the chunks must outlive the worker that merges them; the engine deletes the
  // chunks it has not yet, and never one it moved to the output.
  Worker().WaitFor();
  engine.reset();
}

uint64_t MergeFilesThread::ComputeTotal(uint32_t words) {
  constexpr uint32_t kRun = ChopAndSortThread::kChunkRecords;
  std::deque<uint64_t> queue(words / kRun, kRun);
  if (words % kRun) queue.push_back(words % kRun);
  uint64_t sum = 0;
  while (!queue.empty()) {
    uint64_t step = 0;
    for (int i = 0; i < MergeFile<StringHandler>::maxInputs && !queue.empty(); ++i) {
      step += queue.front();
      queue.pop_front();
    }
    sum += step;
    if (!queue.empty()) queue.push_back(step);
  }
  return sum ? sum : 1;
}

void MergeFilesThread::Cancel() {
  engine->stopped.store(true, std::memory_order_relaxed);
  ProgressThread::Cancel();
}

int32_t MergeFilesThread::GetProgress() {
  const uint64_t written = engine->written.load(std::memory_order_relaxed);
  return static_cast<int32_t>(std::min<uint64_t>(written * 100 / total, INT32_MAX));
}

void MergeFilesThread::Execute() { engine->RunMerge(); }
