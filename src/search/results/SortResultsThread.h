#pragma once
// The end of a sorted search: writes the set the search gathered to the results pair, in
// order. It is never cancelled: the whole set is written.

#include "foundation/ProgressThread.h"

class Results;

class SortResultsThread : public ProgressThread {
 public:
  explicit SortResultsThread(Results& store) : results(store) {}

 protected:
  void Execute() override;

 private:
  template <class Set>
  void WriteInOrder(const Set& set);

  Results& results;
};
