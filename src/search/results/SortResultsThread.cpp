#include "search/results/SortResultsThread.h"

#include "search/results/Results.h"

void SortResultsThread::Execute() {
  switch (results.EffectiveOrdering()) {
    case kOrderByWord:
      return WriteInOrder(results.wordSet);
    case kOrderByLengthThenWord:
      return WriteInOrder(results.lengthSet);
    default:
      return;  // results as found are in the pair already
  }
}

namespace {
const std::string& TextOf(const std::string& text) { return text; }
const std::string& TextOf(const CountedText& counted) { return counted.text; }
}  // namespace

template <class Set>
void SortResultsThread::WriteInOrder(const Set& set) {
  const uint64_t size = set.size();
  uint64_t written = 0;
  for (const auto& entry : set) {
    results.Append(TextOf(entry));
    SetProgress(static_cast<int32_t>(++written * 100 / size));
  }
}
