#pragma once
// A growable character buffer: the phrase that the levels of a multi-word search build together.

#include <cstdint>
#include <cstring>
#include <vector>

class SorvaneArray {
 public:
  SorvaneArray() : bytes(129) {}

  // Appends n bytes; the content is always followed by a NUL.
  void Append(const char* text, uint32_t n) {
    if (length + n > Capacity()) bytes.resize(2 * (static_cast<size_t>(length) + n) + 1);
    std::memcpy(bytes.data() + length, text, n);
    length += n;
    bytes[length] = '\0';
  }
  // Goes back to an earlier length, keeping what stands before it.
  void SetLength(uint32_t newLength) {
    length = newLength;
    bytes[length] = '\0';
  }
  uint32_t Length() const { return length; }
  uint32_t Capacity() const { return static_cast<uint32_t>(bytes.size() - 1); }
  const char* Data() const { return bytes.data(); }

 private:
  uint32_t length = 0;
  std::vector<char> bytes;
};
