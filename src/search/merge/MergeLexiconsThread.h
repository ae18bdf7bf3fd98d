#pragma once
// Merges two or more compiled lexicons into a new one as a progress job. The sources are only
// read; the output is produced only when the merge ran to its end.

#include <memory>
#include <string>
#include <vector>

#include "foundation/ProgressThread.h"
#include "search/merge/DictionaryMergeHandler.h"
#include "search/merge/MergeFile.h"

class VirtualLexList;

class MergeLexiconsThread : public ProgressThread {
 public:
  // The word counts behind the progress come from the installed lexicons' headers, read here on
  // the launcher's thread; a source the list does not hold counts 0.
  MergeLexiconsThread(const std::vector<std::string>& sources, const std::string& outputPath,
                      VirtualLexList& list);
  ~MergeLexiconsThread() override;

  void Cancel() override;
  int32_t GetProgress() override;

  static uint32_t ComputeTotal(const std::vector<uint32_t>& wordCounts);

 protected:
  void Execute() override;

 private:
  uint32_t total;
  std::unique_ptr<MergeFile<DictionaryMergeHandler>> engine;
};
