#pragma once
// Puts stored results in another ordering: reads every result in the order the reader sees
// them into the sorter a sorted search uses (so both drop the same repeats, keeping the first
// read of texts that compare equal, and give one order) and writes what it keeps to a new file
// pair. A cancel while reading leaves the store as it was; one while writing is ignored, so the
// store is never left half written. A program asked to stop ends the job in either phase within
// moments: the store then holds the results written so far, and goes with the program. The
// result is the number of results written.

#include <cstdint>
#include <mutex>

#include "foundation/ProgressThread.h"
#include "search/results/ResultSorter.h"

class Results;

class ReSortResultsThread : public ProgressThread {
 public:
  explicit ReSortResultsThread(Results& store);

  // While reading, the sorter lets go at once of what it holds.
  void Cancel() override;
  // Ends the job at once whatever its phase, writing included, as a program asked to stop does.
  void Abandon();
  // True once the job has replaced the store's file pair; read it after the worker has ended.
  bool Rewrote() const { return rewrote; }

 protected:
  void Execute() override;

 private:
  void SetProgressOf(uint64_t done, uint64_t total, int32_t from, int32_t span);

  Results& results;
  ResultSorter sorter;
  std::mutex phaseMutex;
  bool writing = false;  // guarded by phaseMutex
  bool rewrote = false;
};
