#include "lexbuild/ChopAndSortThread.h"

#include <cstdio>

#include "foundation/File.h"
#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/FileSort.h"
#include "lexbuild/SortRecord.h"
#include "lexbuild/WordListReader.h"

namespace {
constexpr int32_t kNoValidWords = 8347;
constexpr int32_t kChunkBufferSize = 16384;
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
  for (bool endOfInput = false; !endOfInput;) {
    const std::string chunkPath = ClaimTempFilePath("");
    chunkList->push_back(chunkPath);
    File chunk;
    // The claimed file is new and empty: appending writes it from the start without truncating
    // it, and a file truncated to nothing has its blocks forced to disk at its close (ext4).
    chunk.Open(chunkPath, "ab", kChunkBufferSize);
    chunkStart = chunkEnd.load();
    for (int records = 0; records < kChunkRecords; ++records) {
      if (!reader.Next(word)) {
        endOfInput = true;
        break;
      }
      ++wordCount;
      const SortRecord record = MakeSortRecord(word.text, word.letters, word.marks);
      if (fwrite_unlocked(record.bytes.data(), 1, SORT_RECORD_SIZE, chunk.handle) != SORT_RECORD_SIZE)
        throw SorvaneException("Unable to Write File " + chunkPath);
      // A checkpoint takes a lock, so it is taken every few hundred records, not each one.
      if (records % kRecordsPerCheckpoint == 0 && ShouldStop()) {
        chunk.Close();
        DeleteChunks();
        return;
      }
    }
    if (!chunk.CloseChecked()) throw SorvaneException("Unable to Write File " + chunkPath);
    // While the chunk is sorted, progress moves from its start towards its end.
    progress = 0;
    chunkEnd = reader.Position();
    FileSort(chunkPath, SORT_RECORD_SIZE, CompareByLengthThenWord, &progress).Run();
    chunkStart = chunkEnd.load();
  }
  if (wordCount == 0) throw SorvaneException(LoadResString(kNoValidWords));
}

void ChopAndSortThread::DeleteChunks() {
  for (const std::string& path : *chunkList) DeleteFileIfExists(path);
}
