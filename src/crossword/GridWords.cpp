// Crossword words in the cell rectangle: where they start and end, numbering, the current word
// and its direction, word texts, the words chosen for a crossing search, numbered-cell jumps.

#include <algorithm>
#include <string>

#include "crossword/GridData.h"
#include "platform/Host.h"
#include "search/request/SelectedWords.h"

bool GridData::IsEndOfAcross(int32_t c, int32_t r) const {
  return c == cols - 1 || Cell(c + 1, r).blank || Cell(c + 1, r).vbar;
}

bool GridData::IsEndOfDown(int32_t c, int32_t r) const {
  return r == rows - 1 || Cell(c, r + 1).blank || Cell(c, r + 1).hbar;
}

bool GridData::IsStartOfAcross(int32_t c, int32_t r) const {
  if (c > 0 && !Cell(c - 1, r).blank && !Cell(c, r).vbar) return false;
  return !IsEndOfAcross(c, r);
}

bool GridData::IsStartOfDown(int32_t c, int32_t r) const {
  if (r > 0 && !Cell(c, r - 1).blank && !Cell(c, r).hbar) return false;
  return !IsEndOfDown(c, r);
}

uint8_t GridData::GetWordStarts(int32_t c, int32_t r) const {
  return static_cast<uint8_t>((IsStartOfAcross(c, r) ? 1 : 0) + (IsStartOfDown(c, r) ? 2 : 0));
}

uint8_t GridData::GetMembership(int32_t c, int32_t r) const {
  if (cols < 2 || rows < 2) return 2;
  const CellData& cell = Cell(c, r);
  const bool across = (c < cols - 1 && !Cell(c + 1, r).blank && !Cell(c + 1, r).vbar) ||
                      (c > 0 && !Cell(c - 1, r).blank && !cell.vbar);
  const bool down = (r < rows - 1 && !Cell(c, r + 1).blank && !Cell(c, r + 1).hbar) ||
                    (r > 0 && !Cell(c, r - 1).blank && !cell.hbar);
  if (across && down) return 3;
  return across ? 1 : 2;
}

void GridData::Renumber() {
  int32_t counter = 0;
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < cols; ++c) {
      CellData& cell = Cell(c, r);
      cell.membership = GetMembership(c, r);
      cell.wordStarts = cell.blank ? 0 : GetWordStarts(c, r);
      cell.number = cell.wordStarts ? ++counter : 0;
    }
  }
}

void GridData::ResetCurrentWord(int32_t c, int32_t r) {
  // A grid replaced under an old word must not be written outside.
  for (int32_t col = std::max(wordStart.col, 0); col <= std::min(wordEnd.col, cols - 1); ++col)
    for (int32_t row = std::max(wordStart.row, 0); row <= std::min(wordEnd.row, rows - 1); ++row)
      Cell(col, row).inCurrentWord = 0;
  wordStart = wordEnd = {c, r};
  wordLength = 0;
}

void GridData::SetCurrentWordMarks(CellPos start, bool across) {
  wordStart = start;
  CellPos cell = start;
  wordLength = 0;
  for (;;) {
    Cell(cell.col, cell.row).inCurrentWord = 1;
    ++wordLength;
    if (across ? IsEndOfAcross(cell.col, cell.row) : IsEndOfDown(cell.col, cell.row)) break;
    if (across) ++cell.col;
    else ++cell.row;
  }
  wordEnd = cell;
}

void GridData::SelectAcrossWord(int32_t c, int32_t r) {
  ResetCurrentWord(c, r);
  // The walk stops at a blank or a bar, so a cell in no across word is its own one-cell word.
  while (c > 0 && !IsStartOfAcross(c, r) && !Cell(c - 1, r).blank && !Cell(c, r).vbar) --c;
  SetCurrentWordMarks({c, r}, true);
}

void GridData::SelectDownWord(int32_t c, int32_t r) {
  ResetCurrentWord(c, r);
  while (r > 0 && !IsStartOfDown(c, r) && !Cell(c, r - 1).blank && !Cell(c, r).hbar) --r;
  SetCurrentWordMarks({c, r}, false);
}

bool GridData::ToggleDirectionIfRepeated(int32_t c, int32_t r) {
  if (CellPos{c, r} != previous) return false;
  direction = direction == CellData::Across ? CellData::Down : CellData::Across;
  return true;
}

void GridData::SelectWordAt(int32_t c, int32_t r, bool explicitChoice, bool allowFlip) {
  const bool flipped = ToggleDirectionIfRepeated(c, r);
  if (!allowFlip) ToggleDirectionIfRepeated(c, r);
  const CellData& cell = Cell(c, r);
  if (cell.membership == 1) {
    direction = CellData::Across;
  } else if (cell.membership == 2) {
    direction = CellData::Down;
  } else if (explicitChoice && !flipped && (cell.wordStarts == 1 || cell.wordStarts == 2)) {
    direction = cell.wordStarts;
  }
  if (direction == CellData::Across) SelectAcrossWord(c, r);
  else SelectDownWord(c, r);
}

std::string GridData::GetCurrentWordPattern() const {
  std::string pattern;
  CellPos cell = wordStart;
  for (int32_t i = 0; i < wordLength && Contains(cell.col, cell.row); ++i) {
    const char letter = Cell(cell.col, cell.row).Letter();
    pattern += letter ? letter : '?';
    if (direction == CellData::Across) ++cell.col;
    else ++cell.row;
  }
  return pattern;
}

std::string GridData::WordText(int32_t c, int32_t r, bool across, bool forSearch) const {
  std::string word;
  for (;;) {
    const CellData& cell = Cell(c, r);
    if (cell.Letter()) word += cell.Letter();
    else word += forSearch && cell.wordSelection == 3 ? '%' : '?';
    if (across ? IsEndOfAcross(c, r) : IsEndOfDown(c, r)) return word;
    if (across) ++c;
    else ++r;
  }
}

std::string GridData::GetAcrossWord(int32_t c, int32_t r, bool forSearch) const {
  return WordText(c, r, true, forSearch);
}

std::string GridData::GetDownWord(int32_t c, int32_t r, bool forSearch) const {
  return WordText(c, r, false, forSearch);
}

void GridData::ToggleWordSelection(int32_t c, int32_t r, bool across) {
  for (;;) {
    Cell(c, r).ToggleWordSelection(across ? 1 : 2);
    if (across ? IsEndOfAcross(c, r) : IsEndOfDown(c, r)) return;
    if (across) ++c;
    else ++r;
  }
}

void GridData::ToggleAcrossWordSelection(int32_t c, int32_t r) { ToggleWordSelection(c, r, true); }
void GridData::ToggleDownWordSelection(int32_t c, int32_t r) { ToggleWordSelection(c, r, false); }

void GridData::ToggleCurrentWordSelection() {
  // On a blank the toggle would run from the square into the next word.
  if (!Contains(wordStart.col, wordStart.row) || Cell(wordStart.col, wordStart.row).blank) return;
  if (direction == CellData::Across) ToggleAcrossWordSelection(wordStart.col, wordStart.row);
  else ToggleDownWordSelection(wordStart.col, wordStart.row);
}

void GridData::ClearWordSelection() {
  ForEachCell([](CellData& cell) { cell.wordSelection = 0; });
}

bool GridData::HasSelectedWords() const {
  for (const CellData& cell : cells)
    if (cell.wordSelection) return true;
  return false;
}

void GridData::SelectAllWords() {
  ClearWordSelection();
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < cols; ++c) {
      const uint8_t starts = Cell(c, r).wordStarts;
      if (starts & 1) ToggleAcrossWordSelection(c, r);
      if (starts & 2) ToggleDownWordSelection(c, r);
    }
  }
}

void GridData::GetSelectedWords(SelectedWords& list) const {
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < cols; ++c) {
      const CellData& cell = Cell(c, r);
      if (cell.number == 0 || cell.wordSelection == 0) continue;
      const auto col = static_cast<uint32_t>(c);
      const auto row = static_cast<uint32_t>(r);
      if (cell.wordStarts & cell.wordSelection & 1)
        list.Add(cell.number, col, row, SelectedWord::kAcross, GetAcrossWord(c, r, true));
      if (cell.wordStarts & cell.wordSelection & 2)
        list.Add(cell.number, col, row, SelectedWord::kDown, GetDownWord(c, r, true));
    }
  }
}

// Walks the cells in reading order (across) or column order (down), step +1 or -1, wrapping
// at the grid's end, until a numbered cell or (c, r) itself.
CellPos GridData::ScanNumbered(int32_t c, int32_t r, bool across, int step) const {
  const int64_t total = static_cast<int64_t>(cols) * rows;
  const int64_t start = across ? static_cast<int64_t>(r) * cols + c : static_cast<int64_t>(c) * rows + r;
  for (int64_t i = (start + step + total) % total; i != start; i = (i + step + total) % total) {
    const CellPos cell = across ? CellPos{static_cast<int32_t>(i % cols), static_cast<int32_t>(i / cols)}
                                : CellPos{static_cast<int32_t>(i / rows), static_cast<int32_t>(i % rows)};
    if (Cell(cell.col, cell.row).number != 0) return cell;
  }
  Host::Current().Beep();
  return {c, r};
}

CellPos GridData::NextNumberedCellAcross(int32_t c, int32_t r) const { return ScanNumbered(c, r, true, 1); }
CellPos GridData::PrevNumberedCellAcross(int32_t c, int32_t r) const { return ScanNumbered(c, r, true, -1); }
CellPos GridData::NextNumberedCellDown(int32_t c, int32_t r) const { return ScanNumbered(c, r, false, 1); }
CellPos GridData::PrevNumberedCellDown(int32_t c, int32_t r) const { return ScanNumbered(c, r, false, -1); }
