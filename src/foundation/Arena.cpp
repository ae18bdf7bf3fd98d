#include "foundation/Arena.h"

void* Arena::Take(size_t bytes) {
  bytes = Rounded(bytes);
  if (bytes > left) {
    const size_t size = (bytes + kBlockBytes - 1) / kBlockBytes * kBlockBytes;
    blocks.push_back(std::make_unique<MappedMemory>(size));
    next = blocks.back()->Data();
    left = size;
  }
  void* taken = next;
  next += bytes;
  left -= bytes;
  used += bytes;
  return taken;
}

void Arena::Clear() {
  blocks.clear();
  next = nullptr;
  left = used = 0;
}
