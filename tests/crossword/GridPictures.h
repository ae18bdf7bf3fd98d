#pragma once
// Grids for tests, written as grid descriptions (see crossword/GridDescription.h), with fixed
// defaults instead of the settings: white cells, no symmetry, text as typed.

#include <stdexcept>
#include <string>
#include <type_traits>

#include "crossword/GridDescription.h"

inline GridDefaults TestGridDefaults() {
  GridDefaults defaults;
  defaults.cellColour = 0xFFFFFF;
  defaults.symmetryType = GridData::NoSymmetry;
  defaults.textCase = GridData::TextAsTyped;
  return defaults;
}

inline GridData MakeGrid(const std::string& description) {
  std::string error;
  auto grid = ParseGridDescription(description, error, TestGridDefaults());
  if (!grid) throw std::invalid_argument(error);
  return std::move(*grid);
}

// A picture of one byte field of every cell: a line a row, values separated by spaces.
template <typename Field>
std::string CellFields(const GridData& grid, Field field) {
  std::string text;
  for (int32_t r = 0; r < grid.Rows(); ++r) {
    for (int32_t c = 0; c < grid.Cols(); ++c) {
      const auto value = field(grid.Cell(c, r));
      if (c) text += ' ';
      if constexpr (std::is_same_v<decltype(value), const char>) text += value;
      else text += std::to_string(value);
    }
    text += '\n';
  }
  return text;
}
