#pragma once
// A rectangle of grid cells, inclusive on every side, as the results grid selects them.

#include <cstdint>

struct TGridRect {
  int32_t Left = 0;
  int32_t Top = 0;
  int32_t Right = 0;
  int32_t Bottom = 0;
};
