#pragma once
// Colours are 0x00BBGGRR integers everywhere in the core, in settings and in files; Qt meets them
// only here, when painting or choosing a colour.

#include <QColor>
#include <cstdint>

namespace ColorRef {
inline QColor ToQColor(uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
inline uint32_t FromQColor(const QColor& colour) {
  return static_cast<uint32_t>(colour.red()) | (static_cast<uint32_t>(colour.green()) << 8) |
         (static_cast<uint32_t>(colour.blue()) << 16);
}
}  // namespace ColorRef
