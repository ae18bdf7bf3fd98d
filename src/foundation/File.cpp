#include "foundation/File.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <utility>

#include "foundation/SorvaneException.h"

namespace {

// Opens a file to read ("r" or "r+" modes) without waiting on it: opening a FIFO would block
// until a writer came, and a device may never end. Only a regular file is taken; anything else
// fails as a missing file does.
FILE* OpenToRead(const std::string& fileName, const std::string& mode) {
  const int access = mode.find('+') == std::string::npos ? O_RDONLY : O_RDWR;
  const int fd = ::open(fileName.c_str(), access | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return nullptr;
  struct stat info;
  const int flags = ::fcntl(fd, F_GETFL);
  FILE* stream = nullptr;
  if (::fstat(fd, &info) == 0 && S_ISREG(info.st_mode) && flags >= 0 &&
      ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0) {
    stream = ::fdopen(fd, mode.c_str());
  }
  if (!stream) ::close(fd);
  return stream;
}

}  // namespace

File::~File() { Close(); }

void File::Open(const std::string& fileName, const std::string& mode, int32_t bufferSize) {
  if (handle) throw SorvaneException("File Already Open " + fileName);
  const bool reading = !mode.empty() && mode[0] == 'r';
  Adopt(reading ? OpenToRead(fileName, mode) : std::fopen(fileName.c_str(), mode.c_str()),
        fileName, bufferSize);
}

bool File::Create(const std::string& fileName, int32_t bufferSize) {
  if (handle) throw SorvaneException("File Already Open " + fileName);
  FILE* stream = std::fopen(fileName.c_str(), "w+bx");
  if (!stream && errno == EEXIST) return false;
  Adopt(stream, fileName, bufferSize);
  return true;
}

void File::Adopt(FILE* stream, const std::string& fileName, int32_t bufferSize) {
  if (!stream) throw SorvaneException("Unable to Open File " + fileName);
  // Sizes below the C library's own would only add system calls.
  const size_t size = std::max<size_t>(bufferSize > 0 ? static_cast<size_t>(bufferSize) : 0, BUFSIZ);
  buffer = std::make_unique_for_overwrite<char[]>(size);
  std::setvbuf(stream, buffer.get(), _IOFBF, size);
  handle = stream;
  name = fileName;
}

int64_t File::Length() {
  const long position = std::ftell(handle);
  std::fseek(handle, 0, SEEK_END);
  const long length = std::ftell(handle);
  std::fseek(handle, position, SEEK_SET);
  return length;
}

File& File::operator=(File&& other) noexcept {
  if (this == &other) return *this;
  Close();
  handle = other.handle;
  name = std::move(other.name);
  buffer = std::move(other.buffer);
  other.handle = nullptr;
  return *this;
}

void File::Close() {
  if (handle) std::fclose(handle);
  handle = nullptr;
  buffer.reset();
}

bool File::CloseChecked() {
  if (!handle) return true;
  const bool flushed = std::fflush(handle) == 0 && !std::ferror(handle);
  const bool closed = std::fclose(handle) == 0;
  handle = nullptr;
  buffer.reset();
  return flushed && closed;
}
