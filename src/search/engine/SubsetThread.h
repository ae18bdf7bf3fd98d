#pragma once
// The analysis before a multi-word search: writes the words of each selected lexicon that the
// FROM letters can make into temporary lexicons, merges them into the request's subset lexicon
// and loads it, so that the phrase search walks only words it can use.

#include <atomic>
#include <memory>
#include <string>
#include <vector>

#include "platform/SubsetJob.h"
#include "platform/WorkerThread.h"
#include "search/selection/SearchLexicons.h"

class OwnedTempFiles;
class SearchData;

class SubsetThread : public SubsetJob {
 public:
  enum RunResult { kReady = 0, kCancelled = 1, kNoWords = 2, kMergeFailed = 3 };

  // Takes hold of the selected lexicons' images here, on the launcher's thread.
  explicit SubsetThread(SearchData& request);
  ~SubsetThread() override;

  void Start() override { worker.Resume(); }
  // Takes effect while the lexicons are scanned; once the merge has begun it runs to its end.
  void Cancel() override { stop.store(true, std::memory_order_relaxed); }
  bool Ended() const override { return worker.Terminated(); }
  int ModalResult() const override { return runResult == kReady ? kModalOk : kModalCancel; }

  int Run();
  int Result() const { return runResult; }

 private:
  // Writes each lexicon's matching words to a temporary lexicon claimed in temps; those holding
  // words are listed in inputs too.
  int Scan(OwnedTempFiles& temps, std::vector<std::string>& inputs);
  int MergeSubsets(const std::vector<std::string>& inputs, OwnedTempFiles& temps);

  SearchData& request;
  SearchLexicons lexicons;
  std::atomic<bool> stop{false};
  std::atomic<int> runResult{kCancelled};
  WorkerThread worker;  // last: it stops first, before what its body uses goes
};

// Builds the request's subset lexicon under the host's dialog; true when it is ready.
bool RunSubsetAnalysis(SearchData& request);
