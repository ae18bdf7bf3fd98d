#include "search/merge/MergeLexiconsThread.h"

#include <deque>

#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "search/selection/VirtualLexList.h"

MergeLexiconsThread::MergeLexiconsThread(const std::vector<std::string>& sources,
                                         const std::string& outputPath, VirtualLexList& list)
    : engine(std::make_unique<MergeFile<DictionaryMergeHandler>>(sources, outputPath)) {
  std::vector<uint32_t> counts;
  const auto& records = list.Records();
  for (const std::string& source : sources) {
    const auto found = FindLexiconByPath(records.begin(), records.end(), source);
    counts.push_back(found == records.end() ? 0 : (*found)->header.wordCount);
  }
  total = ComputeTotal(counts);
}

// The engine must outlive the worker that merges with it.
MergeLexiconsThread::~MergeLexiconsThread() { Worker().WaitFor(); }

uint32_t MergeLexiconsThread::ComputeTotal(const std::vector<uint32_t>& wordCounts) {
  constexpr int kInputsPerStep = MergeFile<DictionaryMergeHandler>::maxInputs;
  std::deque<uint64_t> queue(wordCounts.begin(), wordCounts.end());
  uint64_t sum = 0;
  while (!queue.empty()) {
    uint64_t step = 0;
    for (int i = 0; i < kInputsPerStep && !queue.empty(); ++i) {
      step += queue.front();
      queue.pop_front();
    }
    sum += step;
    if (!queue.empty()) queue.push_back(step);
  }
  return static_cast<uint32_t>(std::min<uint64_t>(sum, UINT32_MAX));
}

void MergeLexiconsThread::Cancel() {
  engine->stopped.store(true, std::memory_order_relaxed);
  ProgressThread::Cancel();
}

int32_t MergeLexiconsThread::GetProgress() {
  if (total == 0) return 0;
  return static_cast<int32_t>(uint64_t{engine->written.load(std::memory_order_relaxed)} * 100 / total);
}

void MergeLexiconsThread::Execute() {
  try {
    engine->RunMerge();
  } catch (const SorvaneException& error) {
    ShowMessageBox(error.what(), LoadResString(kExceptionCaption), MB_OK);
    result = -1;
  }
  Terminate();
}
