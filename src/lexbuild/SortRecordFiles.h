#pragma once
// Files of sort records, read and written a block at a time: a C stream call for each 40-byte
// record costs more than the copy of the record itself. A writer hands each full block to a
// thread of its own and goes on gathering the next: a merge step spends much of its time in the
// file system's copy of what it writes. A record's read and write are inline: a merge makes
// hundreds of thousands.

#include <cstddef>
#include <cstring>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "foundation/File.h"
#include "lexbuild/SortRecord.h"
#include "platform/TaskThreads.h"

class SortRecordReader {
 public:
  // Throws SorvaneException "Unable to Open File " + path.
  explicit SortRecordReader(const std::string& path);
  // The next whole record where it lies in the reader's block, valid until the next call; null
  // at the end, where a trailing part of a record is no record. A failed read throws
  // SorvaneException "Unable to Read File " + path.
  const char* Next() {
    if (end - at < SORT_RECORD_SIZE && !Refill()) return nullptr;
    const char* record = block.data() + at;
    at += SORT_RECORD_SIZE;
    return record;
  }

 private:
  bool Refill();

  File file;
  std::vector<char> block;
  size_t at = 0;
  size_t end = 0;
};

class SortRecordWriter {
 public:
  // Opens a new or empty file to append to: appending rather than truncating spares a forced
  // write to disk at its close. Throws SorvaneException "Unable to Open File " + path.
  explicit SortRecordWriter(const std::string& path);
  // A writer destroyed without Close writes nothing more.
  ~SortRecordWriter();
  SortRecordWriter(const SortRecordWriter&) = delete;
  SortRecordWriter& operator=(const SortRecordWriter&) = delete;

  // Failures throw SorvaneException WriteFailureText(path), here or at Close.
  // Appends the SORT_RECORD_SIZE bytes at record.
  void Write(const char* record) {
    if (used == capacity) MakeRoom();
    std::memcpy(block.get() + used, record, SORT_RECORD_SIZE);
    used += SORT_RECORD_SIZE;
  }
  // Appends records lying back to back.
  void WriteRecords(std::span<const SortRecord> records);
  // Writes what is gathered and closes the file.
  void Close();
  const std::string& Path() const { return file.name; }

 private:
  // Makes the block on the first record, and hands each full one over to be written.
  void MakeRoom();
  // Hands the full block to a thread that writes it, once the block before it is written.
  void WriteBehind();
  void AwaitWrite();
  [[noreturn]] void Fail() const;

  File file;
  std::unique_ptr<char[]> block;         // made with the first record gathered
  std::unique_ptr<char[]> spare;         // made with the first block handed over
  std::unique_ptr<TaskThreads> writing;  // the same
  TaskThreads::Task<bool> behind;        // whether the block handed over was written whole
  size_t used = 0;
  size_t capacity = 0;  // of block
};
