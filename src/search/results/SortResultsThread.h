#pragma once
// The end of a sorted search: writes what the search gathered to the results pair, in order and
// without repeats. It is never cancelled: every result is written.

#include "foundation/ProgressThread.h"

class Results;

class SortResultsThread : public ProgressThread {
 public:
  explicit SortResultsThread(Results& store) : results(store) {}

 protected:
  void Execute() override;

 private:
  Results& results;
};
