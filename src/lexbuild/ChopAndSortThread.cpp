#include "lexbuild/ChopAndSortThread.h"

#include <future>

#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/FileSort.h"
#include "lexbuild/SortRecord.h"
#include "lexbuild/SortRecordFiles.h"
#include "lexbuild/WordListReader.h"

namespace {
constexpr int32_t kNoValidWords = 8347;
constexpr int kRecordsPerCheckpoint = 256;
}  // namespace

ChopAndSortThread::ChopAndSortThread(const std::string& path, std::vector<std::string>* chunks)
    : inputPath(path), chunkList(chunks) {}

int32_t ChopAndSortThread::GetProgress() {
  const int64_t total = length.load(std::memory_order_relaxed);
  if (total <= 0) return 0;
  const int64_t start = chunkStart.load(std::memory_order_relaxed);
  const int64_t end = chunkEnd.load(std::memory_order_relaxed);
  const int64_t sorted = progress.load(std::memory_order_relaxed);
  return static_cast<int32_t>(((end - start) * sorted / 100 + start) * 100 / total);
}

void ChopAndSortThread::Execute() {
  WordListReader reader(inputPath);
  length = reader.Length();
  ListWord word;
  // Each chunk is sorted on a thread of its own while the next one is read; at most one sort
  // runs, and it has ended before this job ends, fails or deletes the chunks. A failed sort
  // throws here, at the next chunk or at the end.
  std::future<void> sorting;
  const auto awaitSort = [&sorting] {
    if (sorting.valid()) sorting.get();
  };
  for (bool endOfInput = false; !endOfInput;) {
    const std::string chunkPath = ClaimTempFilePath("");
    chunkList->push_back(chunkPath);
    SortRecordWriter chunk(chunkPath);
    for (int records = 0; records < kChunkRecords; ++records) {
      if (!reader.Next(word)) {
        endOfInput = true;
        break;
      }
      ++wordCount;
      chunk.Write(MakeSortRecord(word.text, word.letters, word.marks));
      // A checkpoint takes a lock, so it is taken every few hundred records, not each one.
      if (records % kRecordsPerCheckpoint == 0 && ShouldStop()) {
        if (sorting.valid()) sorting.wait();
        DeleteChunks();
        return;
      }
    }
    chunk.Close();
    awaitSort();
    // The sort goes on behind the reading: progress is the share of the list read.
    progress = 0;
    chunkEnd = reader.Position();
    chunkStart = chunkEnd.load();
    sorting = std::async(std::launch::async, [this, chunkPath] {
      FileSort(chunkPath, SORT_RECORD_SIZE, CompareByLengthThenWord, &progress, RecordOrderKey)
          .Run();
    });
  }
  awaitSort();
  if (wordCount == 0) throw SorvaneException(LoadResString(kNoValidWords));
}

void ChopAndSortThread::DeleteChunks() {
  for (const std::string& path : *chunkList) DeleteFileIfExists(path);
}
