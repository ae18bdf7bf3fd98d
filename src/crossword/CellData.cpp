#include "crossword/CellData.h"

void CellData::SetBlank(uint8_t b) {
  blank = b;
  if (!b) return;
  SetLetter(0);
  vbar = 0;
  hbar = 0;
}

void CellData::SetVBar(uint8_t b) {
  if (!blank) vbar = b;
}

void CellData::SetHBar(uint8_t b) {
  if (!blank) hbar = b;
}

void CellData::SetLetter(char c) {
  letter[0] = c;
  letter[1] = 0;
}

void CellData::ToggleWordSelection(uint8_t bit) {
  if (bit == 1 || bit == 2) wordSelection ^= bit;
  selected = wordSelection != 0;
}
