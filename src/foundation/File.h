#pragma once
// A buffered C stream that belongs to one object. Opening is the one operation that reports
// its failure; reads, writes and seeks go straight to the handle.

#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>

class File {
 public:
  File() = default;
  ~File();
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  // Takes the other's open stream and its buffer, closing what this one held.
  File& operator=(File&& other) noexcept;

  // mode is a C open mode ("rb", "wb", "r+b", "w+b"). Throws SorvaneException
  // "File Already Open " + name or "Unable to Open File " + name. A read mode opens only a
  // regular file, and never waits on what it opens. The stream buffers bufferSize bytes, or
  // the C library's BUFSIZ when that is more.
  void Open(const std::string& name, const std::string& mode, int32_t bufferSize);
  // Creates the file and opens it for reading and writing; false, with nothing open, when a
  // file of that name exists already. Other failures throw as Open does.
  bool Create(const std::string& name, int32_t bufferSize);
  // Length in bytes; the position is left where it was.
  int64_t Length();
  void Close();
  // Closes the stream and reports whether everything written reached the file.
  bool CloseChecked();

  FILE* handle = nullptr;
  std::string name;

 private:
  void Adopt(FILE* stream, const std::string& fileName, int32_t bufferSize);

  // The stream's buffer, ours because the C library sizes a buffer it allocates itself by the
  // file system's block, whatever size is asked; it must outlive the stream.
  std::unique_ptr<char[]> buffer;
};
