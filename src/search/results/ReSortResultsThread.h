#pragma once
// Puts stored results in another ordering: reads every result in the order the reader sees
// them into the sorter a sorted search uses (so both drop the same repeats, keeping the first
// read of texts that compare equal, and give one order) and writes what it keeps to a new file
// pair. A cancel while reading leaves the store as it was; one while writing is ignored, so the
// store is never left half written. The result is the number of results written.

#include <cstdint>

#include "foundation/ProgressThread.h"

class Results;

class ReSortResultsThread : public ProgressThread {
 public:
  explicit ReSortResultsThread(Results& store) : results(store) {}

  // True once the job has replaced the store's file pair; read it after the worker has ended.
  bool Rewrote() const { return rewrote; }

 protected:
  void Execute() override;

 private:
  void SetProgressOf(uint64_t done, uint64_t total, int32_t from, int32_t span);

  Results& results;
  bool rewrote = false;
};
