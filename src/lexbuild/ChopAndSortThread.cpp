#include "lexbuild/ChopAndSortThread.h"

#include <algorithm>
#include <deque>
#include <thread>

#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/FileSort.h"
#include "lexbuild/LexbuildTextIds.h"
#include "lexbuild/SortRecord.h"
#include "lexbuild/SortRecordFiles.h"
#include "lexbuild/WordListReader.h"
#include "platform/TaskThreads.h"

namespace {

// Threads beside the reading, finding the words of the batches read and writing and sorting the
// chunks: one for each processor the reading leaves, up to six.
size_t HelpersAtOnce() {
  const unsigned processors = std::thread::hardware_concurrency();
  return std::clamp<size_t>(processors > 1 ? processors - 1 : 1, 1, 6);
}

std::vector<SortRecord> RecordsOfLines(const std::string& lines) {
  std::vector<SortRecord> records;
  records.reserve(static_cast<size_t>(std::count(lines.begin(), lines.end(), '\n')));
  WordListReader::ForEachWord(lines, [&records](const ListWord& word) {
    records.push_back(MakeSortRecord(word.text, word.letters, word.marks));
  });
  return records;
}

// Put in order in memory first, the chunk is written once: FileSort then finds it in order and
// only reads it.
void WriteAndSortChunk(const std::string& path, std::vector<SortRecord>& records,
                       std::atomic<int32_t>* progress) {
  RecordBlockSorter(SORT_RECORD_SIZE, CompareByLengthThenWord, RecordOrderKey)
      .Sort(reinterpret_cast<char*>(records.data()), static_cast<int64_t>(records.size()));
  SortRecordWriter chunk(path);
  chunk.WriteRecords(records);
  chunk.Close();
  FileSort(path, SORT_RECORD_SIZE, CompareByLengthThenWord, progress, RecordOrderKey).Run();
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
  // This thread reads the list and deals its words out into chunks; helpers find the words of
  // each batch of lines read, and write and sort each chunk. Every helper's task has ended
  // before this job ends, fails or deletes the chunks (the helpers go last); a failed one throws
  // here.
  const size_t helperCount = HelpersAtOnce();
  TaskThreads helpers(helperCount);
  struct Batch {
    TaskThreads::Task<std::vector<SortRecord>> records;
    int64_t end;  // the list position after its lines
  };
  std::deque<Batch> batches;                  // in list order
  std::deque<TaskThreads::Task<void>> sorts;  // in chunk order
  const auto awaitSorts = [&sorts](size_t stillRunning) {
    while (sorts.size() > stillRunning) {
      TaskThreads::Task<void> oldest = std::move(sorts.front());
      sorts.pop_front();
      oldest.Get();
    }
  };
  std::vector<SortRecord> chunk;
  const auto startChunk = [this, &chunk] {
    chunkList->push_back(ClaimTempFilePath(""));
    chunk.reserve(kChunkRecords);
  };
  const auto finishChunk = [&] {
    awaitSorts(helperCount - 1);
    sorts.push_back(
        helpers.Run([this, path = chunkList->back(), records = std::move(chunk)]() mutable {
          WriteAndSortChunk(path, records, &progress);
        }));
    chunk.clear();
  };

  startChunk();
  for (bool listEnded = false;;) {
    // Batches are read a few ahead, so that the helpers have words to find meanwhile.
    for (std::string lines; !listEnded && batches.size() <= helperCount;) {
      listEnded = !reader.NextLines(lines);
      if (!listEnded) {
        batches.push_back(
            {helpers.Run([lines = std::move(lines)] { return RecordsOfLines(lines); }),
             reader.Position()});
      }
    }
    if (batches.empty()) break;
    const std::vector<SortRecord> records = batches.front().records.Get();
    // The sorts go on behind the reading: progress is the share of the list read.
    chunkEnd = batches.front().end;
    chunkStart = chunkEnd.load();
    batches.pop_front();
    for (auto from = records.begin(); from != records.end();) {
      const auto taken = std::min<size_t>(kChunkRecords - chunk.size(), records.end() - from);
      chunk.insert(chunk.end(), from, from + taken);
      from += taken;
      // A full chunk is followed by a new one, even at the end of the list.
      if (chunk.size() == kChunkRecords) {
        finishChunk();
        startChunk();
      }
    }
    wordCount += static_cast<uint32_t>(records.size());
    if (ShouldStop()) {
      for (TaskThreads::Task<void>& sort : sorts) sort.Wait();
      DeleteChunks();
      return;
    }
  }
  finishChunk();
  awaitSorts(0);
  if (wordCount == 0) throw SorvaneException(LoadResString(kNoValidWordsText));
}

void ChopAndSortThread::DeleteChunks() {
  for (const std::string& path : *chunkList) DeleteFileIfExists(path);
}
