#include "lexbuild/SortRecordFiles.h"

#include <cstdio>
#include <cstring>
#include <utility>

#include "foundation/FolderPaths.h"
#include "foundation/SorvaneException.h"

namespace {
constexpr size_t kBlockRecords = 1024;
constexpr size_t kBlockBytes = kBlockRecords * SORT_RECORD_SIZE;
// Large enough that the hand-over (waking the writing thread, waiting on it) costs little beside
// the block's copy: a quarter of this size made a whole build a third slower.
constexpr size_t kWriteBlockBytes = 6400 * SORT_RECORD_SIZE;
}  // namespace

SortRecordReader::SortRecordReader(const std::string& path) : block(kBlockBytes) {
  file.Open(path, "rb", 0);
}

bool SortRecordReader::Refill() {
  // A part of a record left at the block's end moves to its start, to be completed.
  const size_t kept = end - at;
  std::memmove(block.data(), block.data() + at, kept);
  at = 0;
  end = kept;
  while (end < SORT_RECORD_SIZE) {
    const size_t got = std::fread(block.data() + end, 1, block.size() - end, file.handle);
    if (got == 0) {
      if (std::ferror(file.handle)) throw SorvaneException("Unable to Read File " + file.name);
      return false;
    }
    end += got;
  }
  return true;
}

SortRecordWriter::SortRecordWriter(const std::string& path) { file.Open(path, "ab", 0); }

SortRecordWriter::~SortRecordWriter() {
  // The write in flight uses the stream and the spare block.
  if (behind.Valid()) behind.Wait();
}

void SortRecordWriter::WriteRecords(std::span<const SortRecord> records) {
  // With nothing gathered or in flight, the records go out from where they lie.
  if (used || behind.Valid()) {
    for (const SortRecord& record : records) Write(record.bytes.data());
  } else if (std::fwrite(records.data(), SORT_RECORD_SIZE, records.size(), file.handle) !=
             records.size()) {
    Fail();
  }
}

void SortRecordWriter::MakeRoom() {
  if (block) return WriteBehind();
  block = std::make_unique_for_overwrite<char[]>(kWriteBlockBytes);
  capacity = kWriteBlockBytes;
}

void SortRecordWriter::WriteBehind() {
  AwaitWrite();
  if (!spare) {
    spare = std::make_unique_for_overwrite<char[]>(kWriteBlockBytes);
    writing = std::make_unique<TaskThreads>(1);
  }
  std::swap(block, spare);
  const size_t bytes = std::exchange(used, 0);
  behind = writing->Run(
      [this, bytes] { return std::fwrite(spare.get(), 1, bytes, file.handle) == bytes; });
}

void SortRecordWriter::AwaitWrite() {
  if (behind.Valid() && !behind.Get()) Fail();
}

void SortRecordWriter::Close() {
  AwaitWrite();
  if (used && std::fwrite(block.get(), 1, used, file.handle) != used) Fail();
  used = 0;
  if (!file.CloseChecked()) Fail();
}

void SortRecordWriter::Fail() const { throw SorvaneException(WriteFailureText(file.name)); }
