#pragma once
// A read-only stdio stream over a file's bytes mapped into memory, for a library that searches
// its files through FILE pointers: a seek then costs no system call and a read no copy out of
// the kernel.

#include <cstdio>
#include <memory>
#include <optional>
#include <string_view>

#include "platform/MappedFile.h"

class InMemoryStream {
 public:
  // Maps the whole of the file open as file (its position is left alone); nothing when the
  // file cannot be mapped or the stream cannot be made.
  static std::optional<InMemoryStream> Over(FILE* file);

  // The stream reads no further than the file's length when it was mapped. Only one thread may
  // use it at a time: it takes no lock of its own.
  FILE* Stream() const { return stream.get(); }
  // The file's bytes as mapped.
  std::string_view Bytes() const {
    return {reinterpret_cast<const char*>(mapping.Data()), mapping.Size()};
  }

 private:
  struct Closer {
    void operator()(FILE* file) const { std::fclose(file); }
  };
  InMemoryStream(MappedFile mapped, std::unique_ptr<char[]> buffer, FILE* file)
      : mapping(std::move(mapped)), buffer(std::move(buffer)), stream(file) {}

  // Declared before the stream, so that they outlive it.
  MappedFile mapping;
  std::unique_ptr<char[]> buffer;
  std::unique_ptr<FILE, Closer> stream;
};
