#pragma once
// Working memory taken from the system and given back to it whole when it goes. The C library
// keeps what a program frees for its own later use, so a large sort's memory would otherwise
// stay with the process until it ends. Pages count only once they are touched.

#include <cstddef>

class MappedMemory {
 public:
  // Throws std::bad_alloc when the system refuses the span.
  explicit MappedMemory(size_t bytes);
  ~MappedMemory();
  MappedMemory(const MappedMemory&) = delete;
  MappedMemory& operator=(const MappedMemory&) = delete;

  char* Data() const { return base; }
  size_t Size() const { return size; }

 private:
  char* base = nullptr;
  size_t size = 0;
};
