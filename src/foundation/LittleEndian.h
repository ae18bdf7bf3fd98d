#pragma once
// Little-endian field access for every stored format, so a layout never depends on the host.

#include <cstdint>

inline uint32_t ReadU32(const uint8_t* p) {
  return p[0] | (p[1] << 8) | (p[2] << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline uint16_t ReadU16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | (p[1] << 8)); }
inline void WriteU32(uint8_t* p, uint32_t v) {
  p[0] = v & 0xFF, p[1] = (v >> 8) & 0xFF, p[2] = (v >> 16) & 0xFF, p[3] = v >> 24;
}
inline void WriteU16(uint8_t* p, uint16_t v) { p[0] = v & 0xFF, p[1] = v >> 8; }
