#pragma once
// Files of sort records, read and written a block at a time: a C stream call for each 40-byte
// record costs more than the copy of the record itself.

#include <cstddef>
#include <string>
#include <vector>

#include "foundation/File.h"
#include "lexbuild/SortRecord.h"

class SortRecordReader {
 public:
  // Throws SorvaneException "Unable to Open File " + path.
  explicit SortRecordReader(const std::string& path);
  // The next whole record; false at the end, where a trailing part of a record is no record.
  // A failed read throws SorvaneException "Unable to Read File " + path.
  bool Read(SortRecord& record);

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
  // Failures throw SorvaneException "Unable to Write File " + path, here or at Close.
  void Write(const SortRecord& record);
  // Writes what is gathered and closes the file; a writer destroyed without it writes nothing
  // more.
  void Close();
  const std::string& Path() const { return file.name; }

 private:
  void WriteBlock();
  [[noreturn]] void Fail() const;

  File file;
  std::vector<char> block;
  size_t used = 0;
};
