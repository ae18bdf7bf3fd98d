#pragma once
// The end of a sorted search: writes what the search gathered to the results pair, in order and
// without repeats. Its dialog has no Cancel: only a program asked to end cancels it, and then at
// once, leaving the pair with the results written so far, the first in order.

#include "foundation/ProgressThread.h"

class Results;

class SortResultsThread : public ProgressThread {
 public:
  explicit SortResultsThread(Results& store) : results(store) {}

  void Cancel() override;

 protected:
  void Execute() override;

 private:
  Results& results;
};
