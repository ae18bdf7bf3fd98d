#include "platform/MappedMemory.h"

#include <sys/mman.h>

#include <new>

MappedMemory::MappedMemory(size_t bytes) : size(bytes) {
  if (size == 0) return;
  void* mapped = ::mmap(nullptr, size, PROT_READ | PROT_WRITE,
                        MAP_PRIVATE | MAP_ANONYMOUS | MAP_NORESERVE, -1, 0);
  if (mapped == MAP_FAILED) throw std::bad_alloc();
  base = static_cast<char*>(mapped);
}

MappedMemory::~MappedMemory() {
  if (base) ::munmap(base, size);
}
