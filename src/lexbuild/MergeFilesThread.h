#pragma once
// Second job of building a lexicon: merges the sorted chunk files into one sorted file of sort
// records. The chunk files go when the job is destroyed, whatever the outcome; the sorted file
// exists at the output path only when the merge ran to its end.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/ProgressThread.h"
#include "lexbuild/StringHandler.h"
#include "search/merge/MergeFile.h"

class MergeFilesThread : public ProgressThread {
 public:
  // The chunk files are handed over to the job; the list need not outlive it.
  // wordCount: the records in all chunks, for the progress total.
  MergeFilesThread(const std::vector<std::string>* chunks, uint32_t wordCount,
                   const std::string& outputPath);
  ~MergeFilesThread() override;

  // Stops the merge after the record being written.
  void Cancel() override;
  // Records written against the total; may pass 100 when the last chunk is empty.
  int32_t GetProgress() override;

  // The records the merge writes, simulated on the runs of wordCount records cut into chunks of
  // 3,000: each step adds up to five runs from the front of a queue and queues their sum.
  // Never 0.
  static uint64_t ComputeTotal(uint32_t wordCount);

 protected:
  void Execute() override;

 private:
  std::unique_ptr<MergeFile<StringHandler>> engine;
  uint64_t total;
};
