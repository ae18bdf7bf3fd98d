#pragma once
// Memory for many small pieces that all go at once: taken from the front of large blocks and
// given back to the system whole. A look-up memo fills hundreds of thousands of pieces in a
// search, which one by one took longer to free than to make.

#include <cstddef>
#include <memory>
#include <vector>

#include "platform/MappedMemory.h"

class Arena {
 public:
  // bytes, rounded up to keep every piece aligned for any scalar; throws std::bad_alloc when the
  // system refuses a block.
  void* Take(size_t bytes);
  // Gives every piece back.
  void Clear();
  // The bytes taken since the last Clear, rounding included.
  size_t Used() const { return used; }

  static constexpr size_t Rounded(size_t bytes) { return (bytes + 7) & ~size_t{7}; }

 private:
  static constexpr size_t kBlockBytes = size_t{2} << 20;
  std::vector<std::unique_ptr<MappedMemory>> blocks;
  char* next = nullptr;
  size_t left = 0;
  size_t used = 0;
};
