#include "lexbuild/SortRecordFiles.h"

#include <cstdio>
#include <cstring>

#include "foundation/SorvaneException.h"

namespace {
constexpr size_t kBlockRecords = 1024;
constexpr size_t kBlockBytes = kBlockRecords * SORT_RECORD_SIZE;
}  // namespace

SortRecordReader::SortRecordReader(const std::string& path) : block(kBlockBytes) {
  file.Open(path, "rb", 0);
}

bool SortRecordReader::Read(SortRecord& record) {
  if (end - at < SORT_RECORD_SIZE && !Refill()) return false;
  std::memcpy(record.bytes.data(), block.data() + at, SORT_RECORD_SIZE);
  at += SORT_RECORD_SIZE;
  return true;
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

SortRecordWriter::SortRecordWriter(const std::string& path) : block(kBlockBytes) {
  file.Open(path, "ab", 0);
}

void SortRecordWriter::Write(const SortRecord& record) {
  if (used == block.size()) WriteBlock();
  std::memcpy(block.data() + used, record.bytes.data(), SORT_RECORD_SIZE);
  used += SORT_RECORD_SIZE;
}

void SortRecordWriter::Close() {
  WriteBlock();
  if (!file.CloseChecked()) Fail();
}

void SortRecordWriter::WriteBlock() {
  if (used && std::fwrite(block.data(), 1, used, file.handle) != used) Fail();
  used = 0;
}

void SortRecordWriter::Fail() const { throw SorvaneException("Unable to Write File " + file.name); }
