#pragma once
// A file's bytes mapped read-only into memory, followed by one byte of the caller's choosing.
// Mapping costs a few page-table entries where reading would fill fresh pages one by one, and a
// search touches only the parts of a lexicon it walks.
//
// Another program may shorten the file while it is mapped; reading a page the file no longer
// reaches would end the process. Such a page is replaced by one filled with the end byte, so
// the reader meets the end of its data there instead, as in a damaged file.

#include <cstddef>
#include <cstdint>
#include <optional>

class MappedFile {
 public:
  // Maps length bytes of the open file descriptor fd, then endByte at Data()[length]. Nothing
  // when the system refuses the mapping (the caller reads the file instead).
  static std::optional<MappedFile> Map(int fd, size_t length, uint8_t endByte);

  MappedFile(MappedFile&& other) noexcept;
  MappedFile& operator=(MappedFile&& other) noexcept;
  MappedFile(const MappedFile&) = delete;
  MappedFile& operator=(const MappedFile&) = delete;
  ~MappedFile();

  const uint8_t* Data() const { return base; }
  size_t Size() const { return length; }

 private:
  MappedFile(uint8_t* mapped, size_t fileLength, size_t mappedSpan, int slot)
      : base(mapped), length(fileLength), span(mappedSpan), guardSlot(slot) {}
  void Release();

  uint8_t* base = nullptr;
  size_t length = 0;
  size_t span = 0;  // bytes mapped: length and end byte, rounded up to whole pages
  int guardSlot = -1;
};
