#include "lexbuild/ChopAndSortThread.h"

#include <algorithm>
#include <deque>
#include <future>
#include <thread>

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

// Sorts running beside the reading: one for each processor the reading leaves, up to four.
size_t SortsAtOnce() {
  const unsigned processors = std::thread::hardware_concurrency();
  return std::clamp<size_t>(processors > 1 ? processors - 1 : 1, 1, 4);
}
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
  // Chunks are sorted on threads of their own while the next ones are read: a sort takes
  // longer than the reading of a chunk. Every sort has ended before this job ends, fails or
  // deletes the chunks; a failed one throws here.
  std::deque<std::future<void>> sorting;
  const auto awaitSorts = [&sorting](size_t stillRunning) {
    while (sorting.size() > stillRunning) {
      std::future<void> oldest = std::move(sorting.front());
      sorting.pop_front();
      oldest.get();
    }
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
        for (const std::future<void>& sort : sorting) sort.wait();
        DeleteChunks();
        return;
      }
    }
    chunk.Close();
    awaitSorts(SortsAtOnce() - 1);
    // The sort goes on behind the reading: progress is the share of the list read.
    progress = 0;
    chunkEnd = reader.Position();
    chunkStart = chunkEnd.load();
    sorting.push_back(std::async(std::launch::async, [this, chunkPath] {
      FileSort(chunkPath, SORT_RECORD_SIZE, CompareByLengthThenWord, &progress, RecordOrderKey)
          .Run();
    }));
  }
  awaitSorts(0);
  if (wordCount == 0) throw SorvaneException(LoadResString(kNoValidWords));
}

void ChopAndSortThread::DeleteChunks() {
  for (const std::string& path : *chunkList) DeleteFileIfExists(path);
}
