#pragma once
// One crossword cell. The record is stored raw in grid files, so its layout is fixed: 24 bytes,
// little-endian, the fields in this order.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>

struct CellData {
  enum eWordDirection : uint8_t { Across = 1, Down = 2 };

  uint32_t colour = 0;        // the cell's own background, 0x00BBGGRR
  uint8_t vbar = 0;           // a bar on the LEFT edge
  uint8_t hbar = 0;           // a bar on the TOP edge
  uint8_t blank = 0;          // a black square
  uint8_t selected = 0;       // drawn in the selected colour
  uint8_t inCurrentWord = 0;  // drawn in the current-word colour
  uint8_t unused1 = 0;
  uint16_t reserved = 0;
  uint8_t wordSelection = 0;  // bit 1: the across word is chosen for a crossing search; bit 2: the down word
  uint8_t membership = 1;     // 1 across only, 2 down only or no word, 3 both
  uint8_t unused2[2] = {0, 0};
  int32_t number = 0;         // clue number of a word starting here, 0 for none
  char letter[2] = {0, 0};    // the letter as a one-character text; 0 = empty
  uint8_t wordStarts = 0;     // bit 1: an across word starts here; bit 2: a down word
  uint8_t unused3 = 0;

  // Becoming blank also drops the letter and both bars.
  void SetBlank(uint8_t b);
  // A blank never carries a bar.
  void SetVBar(uint8_t b);
  void SetHBar(uint8_t b);
  // vbar + 2 x hbar: 0 none, 1 left, 2 top, 3 both.
  uint8_t BarState() const { return static_cast<uint8_t>(vbar + 2 * hbar); }
  void SetLetter(char c);
  char Letter() const { return letter[0]; }
  // The letter as text, empty when there is none.
  std::string LetterText() const { return letter[0] ? std::string(1, letter[0]) : std::string(); }
  // bit 1 or 2 flips that word's selection; then selected follows whether any word is chosen.
  void ToggleWordSelection(uint8_t bit);
};

static_assert(std::endian::native == std::endian::little, "grid files hold cells as they lie in memory");
static_assert(sizeof(CellData) == 24);
static_assert(offsetof(CellData, colour) == 0);
static_assert(offsetof(CellData, vbar) == 4);
static_assert(offsetof(CellData, hbar) == 5);
static_assert(offsetof(CellData, blank) == 6);
static_assert(offsetof(CellData, selected) == 7);
static_assert(offsetof(CellData, inCurrentWord) == 8);
static_assert(offsetof(CellData, reserved) == 10);
static_assert(offsetof(CellData, wordSelection) == 12);
static_assert(offsetof(CellData, membership) == 13);
static_assert(offsetof(CellData, number) == 16);
static_assert(offsetof(CellData, letter) == 20);
static_assert(offsetof(CellData, wordStarts) == 22);
