#include "foundation/File.h"

#include <cerrno>

#include "foundation/SorvaneException.h"

File::~File() { Close(); }

void File::Open(const std::string& fileName, const std::string& mode, int32_t bufferSize) {
  if (handle) throw SorvaneException("File Already Open " + fileName);
  Adopt(std::fopen(fileName.c_str(), mode.c_str()), fileName, bufferSize);
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
  std::setvbuf(stream, nullptr, _IOFBF, static_cast<size_t>(bufferSize > 0 ? bufferSize : BUFSIZ));
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

void File::Close() {
  if (handle) std::fclose(handle);
  handle = nullptr;
}

bool File::CloseChecked() {
  if (!handle) return true;
  const bool flushed = std::fflush(handle) == 0 && !std::ferror(handle);
  const bool closed = std::fclose(handle) == 0;
  handle = nullptr;
  return flushed && closed;
}
