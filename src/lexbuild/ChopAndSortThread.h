#pragma once
// First job of building a lexicon from a word list: writes the list's valid words as sort
// records into temporary chunk files of at most 3,000 records, and sorts each chunk in place.
// The caller reads the word count and the chunk list after the worker has ended.

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

#include "foundation/ProgressThread.h"

class ChopAndSortThread : public ProgressThread {
 public:
  static constexpr int kChunkRecords = 3000;

  // chunks receives the path of every chunk file in the order they are made; it is the
  // caller's, who deletes the files after a failure (a cancel deletes them here).
  ChopAndSortThread(const std::string& inputPath, std::vector<std::string>* chunks);

  // The share of the list read: the words of the lines read are found, and the chunks written
  // and sorted, on helper threads behind the reading.
  int32_t GetProgress() override;
  uint32_t WordCount() const { return wordCount; }

 protected:
  // A list without one valid word fails with "No Valid words were found in the file.".
  void Execute() override;

 private:
  void DeleteChunks();

  std::atomic<int64_t> length{0};
  std::atomic<int64_t> chunkEnd{0};    // input position where the last closed chunk ended
  std::atomic<int64_t> chunkStart{0};  // input position where the current chunk began
  uint32_t wordCount = 0;
  std::string inputPath;
  std::vector<std::string>* chunkList;
};
