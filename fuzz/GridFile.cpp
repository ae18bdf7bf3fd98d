// Any bytes as a grid file: refused with the grid left exactly as it was, or loaded into a grid
// whose words can be listed and whose bytes load again to the same grid.

#include <cstdint>
#include <string>

#include "crossword/GridData.h"

namespace {

GridDefaults Defaults() {
  GridDefaults defaults;
  defaults.cellColour = 0xFFFFFF;
  return defaults;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  GridData grid(3, 2, Defaults());
  grid.SelectAcrossWord(0, 1);
  const std::string before = grid.FileBytes();
  if (grid.LoadFromBytes(data, size) != 0) {
    if (grid.FileBytes() != before || grid.WordLength() != 3) __builtin_trap();
    return 0;
  }
  grid.GetWordList();
  grid.SelectWordAt(grid.Cols() - 1, grid.Rows() - 1, true, true);
  grid.SelectAllWords();
  grid.ClearWordSelection();
  grid.ClearSelection();
  grid.ResetCurrentWord(0, 0);
  const std::string saved = grid.FileBytes();
  GridData again(1, 1, Defaults());
  if (again.LoadFromBytes(reinterpret_cast<const uint8_t*>(saved.data()), saved.size()) != 0 ||
      again.FileBytes() != saved)
    __builtin_trap();
  return 0;
}
