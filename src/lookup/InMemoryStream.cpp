#include "lookup/InMemoryStream.h"

#include <stdio_ext.h>
#include <sys/stat.h>

namespace {

// A seek empties the stream's buffer and the next read fills it again: the library's binary
// searches seek before every line they read, so a line's worth is all a fill should copy. A
// line of an index file averages 60 bytes, of a data file 190.
constexpr size_t kBufferBytes = 256;

}  // namespace

std::optional<InMemoryStream> InMemoryStream::Over(FILE* file) {
  if (!file) return std::nullopt;
  struct stat status {};
  const int fd = fileno(file);
  if (fd < 0 || fstat(fd, &status) != 0 || !S_ISREG(status.st_mode) || status.st_size <= 0)
    return std::nullopt;
  const auto length = static_cast<size_t>(status.st_size);
  // Should the file shrink while mapped, the part lost reads as empty lines.
  std::optional<MappedFile> mapped = MappedFile::Map(fd, length, '\n');
  if (!mapped) return std::nullopt;
  // Only read: the stream never writes into the mapping it is given.
  FILE* stream = fmemopen(const_cast<uint8_t*>(mapped->Data()), length, "r");
  if (!stream) return std::nullopt;
  __fsetlocking(stream, FSETLOCKING_BYCALLER);
  // Given no buffer of its own, the stream would take one of the default size and ignore ours.
  auto buffer = std::make_unique<char[]>(kBufferBytes);
  setvbuf(stream, buffer.get(), _IOFBF, kBufferBytes);
  return InMemoryStream(std::move(*mapped), std::move(buffer), stream);
}
