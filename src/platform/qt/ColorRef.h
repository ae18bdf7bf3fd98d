#pragma once
// Colours are 0x00BBGGRR integers everywhere in the core, in settings and in files; Qt meets them
// only here, when painting or choosing a colour.

#include <QColor>
#include <cstdint>

namespace ColorRef {
inline QColor ToQColor(uint32_t colour) {
  return QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
}
}  // namespace ColorRef
