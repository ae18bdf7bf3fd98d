#pragma once
// The grid words chosen for a crossing search, each with its open cells. While the search runs,
// letters of the words already placed are written into the crossing cells of the words to come,
// and taken out again afterwards.

#include <cstdint>
#include <string>
#include <vector>

struct IntersectCell {
  uint32_t column;
  uint32_t row;
  uint32_t index;  // position of the cell in the word's pattern
};
static_assert(sizeof(IntersectCell) == 12);

struct UpdatedItem {
  uint32_t word;      // index of the selected word
  uint32_t position;  // index in that word's pattern
};
static_assert(sizeof(UpdatedItem) == 8);

class SelectedWord {
 public:
  static constexpr uint8_t kAcross = 1;
  static constexpr uint8_t kDown = 2;

  // gridPattern holds one character a cell, '%' for an open one.
  SelectedWord(uint32_t column, uint32_t row, uint8_t direction, const std::string& gridPattern);
  void SetPattern(const std::string& gridPattern);
  // Writes the placed word's letters into this word's cells that it crosses.
  void TakeCrossingLetters(std::vector<UpdatedItem>& updates,
                           const std::vector<IntersectCell>& sourceCells,
                           const std::string& letters, uint32_t thisIndex);

  uint32_t column;
  uint32_t row;
  uint8_t direction;
  std::string pattern;
  std::vector<IntersectCell> cells;
  uint8_t hasOpenCell = 0;
};

class SelectedWords {
 public:
  // Refuses, with a message, a word that has no open cell.
  void Add(int32_t clueNumber, uint32_t column, uint32_t row, uint8_t direction,
           const std::string& gridPattern);
  void ApplyAnswer(std::vector<UpdatedItem>& updates, uint32_t k, const std::string& answer);
  void UndoUpdates(const std::vector<UpdatedItem>& updates);

  std::vector<SelectedWord> words;
  uint32_t gridId = 0;  // the grid the words came from
};
