// The grid's cells: construction, letters and the text case, selection marks, colours, bars.

#include "crossword/GridData.h"

#include <algorithm>

#include "foundation/CharClass.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

GridDefaults GridDefaults::FromSettings() {
  Settings& settings = Settings::Instance();
  GridDefaults defaults;
  defaults.cellColour = static_cast<uint32_t>(settings.GetInt(SettingId::DefaultCellColour));
  defaults.symmetryType = static_cast<uint8_t>(settings.GetInt(SettingId::GridSymmetry));
  defaults.textCase = static_cast<uint8_t>(settings.GetInt(SettingId::GridTextCase));
  return defaults;
}

GridData::GridData(int32_t colCount, int32_t rowCount, const GridDefaults& defaults)
    : symmetryType(defaults.symmetryType),
      textCase(defaults.textCase),
      defaultColour(defaults.cellColour),
      cols(std::max(colCount, 1)),
      rows(std::max(rowCount, 1)) {
  CellData fresh;
  fresh.colour = defaultColour;
  cells.assign(static_cast<size_t>(cols) * static_cast<size_t>(rows), fresh);
}

char GridData::FoldToTextCase(char c) const {
  if (textCase == TextLower) return LowerCaseLetter(c);
  if (textCase == TextUpper) return UpperCaseLetter(c);
  return c;
}

void GridData::SetCellLetter(int32_t col, int32_t row, char c) {
  Cell(col, row).SetLetter(FoldToTextCase(c));
  modified = 1;
}

void GridData::InsertText(int32_t col, int32_t row, uint8_t textDirection, const std::string& text) {
  // From a blank the "word" is that one square, and the text would run on into the next word.
  if (!Contains(col, row) || Cell(col, row).blank) return;
  const bool across = textDirection == CellData::Across;
  for (char c : text) {
    // A cell holds a letter: the marks of a word (an apostrophe, a hyphen) take no cell.
    if (!IsLetter(c)) continue;
    SetCellLetter(col, row, c);
    if (across ? IsEndOfAcross(col, row) : IsEndOfDown(col, row)) return;
    if (across) ++col;
    else ++row;
  }
}

void GridData::DeleteLetters(int32_t col, int32_t row) {
  if (HasSelectedCells()) {
    ForEachCell([](CellData& cell) {
      if (cell.selected) cell.SetLetter(0);
    });
  } else {
    Cell(col, row).SetLetter(0);
  }
  modified = 1;
}

void GridData::ClearAllLetters() {
  ForEachCell([](CellData& cell) { cell.SetLetter(0); });
  modified = 1;
}

void GridData::ClearSelectedLetters() {
  for (int32_t r = 0; r < rows; ++r)
    for (int32_t c = 0; c < cols; ++c)
      if (Cell(c, r).selected && !IsLetterShared(c, r)) Cell(c, r).SetLetter(0);
  modified = 1;
}

void GridData::ClearCurrentWordLetters() {
  const bool across = direction == CellData::Across;
  CellPos cell = wordStart;
  for (int32_t i = 0; i < wordLength && Contains(cell.col, cell.row); ++i) {
    if (!IsLetterShared(cell.col, cell.row)) Cell(cell.col, cell.row).SetLetter(0);
    if (across) ++cell.col;
    else ++cell.row;
  }
  modified = 1;
}

void GridData::ApplyTextCase() {
  ForEachCell([this](CellData& cell) { cell.SetLetter(FoldToTextCase(cell.Letter())); });
  modified = 1;
}

bool GridData::IsLetterShared(int32_t col, int32_t row) const {
  if (Cell(col, row).membership != 3) return false;
  const CellPos neighbours[] = {{col, row - 1}, {col, row + 1}, {col - 1, row}, {col + 1, row}};
  return std::any_of(std::begin(neighbours), std::end(neighbours), [this](CellPos n) {
    if (!Contains(n.col, n.row)) return false;
    const CellData& cell = Cell(n.col, n.row);
    return cell.Letter() != 0 && !cell.selected && !cell.inCurrentWord;
  });
}

bool GridData::HasSelectedCells() const {
  return std::any_of(cells.begin(), cells.end(), [](const CellData& cell) { return cell.selected; });
}

void GridData::ClearSelection() {
  ForEachCell([](CellData& cell) { cell.selected = 0; });
}

void GridData::SelectRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2) {
  for (int32_t c = std::max(c1, 0); c <= std::min(c2, cols - 1); ++c)
    for (int32_t r = std::max(r1, 0); r <= std::min(r2, rows - 1); ++r) Cell(c, r).selected = 1;
}

void GridData::DeselectRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2) {
  for (int32_t c = std::max(c1, 0); c <= std::min(c2, cols - 1); ++c)
    for (int32_t r = std::max(r1, 0); r <= std::min(r2, rows - 1); ++r) Cell(c, r).selected = 0;
}

void GridData::ColourSelection(uint32_t colour) {
  if (!HasSelectedCells()) ToggleCurrentWordSelection();
  ForEachCell([colour](CellData& cell) {
    if (cell.selected) cell.colour = colour;
  });
  modified = 1;
}

void GridData::RestoreSelectionColour() { ColourSelection(defaultColour); }

void GridData::SetDefaultColour(uint32_t colour) {
  ForEachCell([this, colour](CellData& cell) {
    if (cell.colour == defaultColour) cell.colour = colour;
  });
  defaultColour = colour;
  modified = 1;
}

void GridData::CycleBar(int32_t col, int32_t row) {
  CellData& cell = Cell(col, row);
  if (cell.BarState() == barState) barState = static_cast<uint8_t>((barState + 1) % 4);
  cell.SetVBar(barState & 1);
  cell.SetHBar((barState >> 1) & 1);
  modified = 1;
}
