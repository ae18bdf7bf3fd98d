#pragma once
// The model of one crossword grid: cols x rows cells stored column by column, the current cell
// and word, the direction, the blank-symmetry rule, the text case, the bar state and whether
// there are unsaved changes. Coordinates are (column, row), 0-based from the top-left; callers
// keep them inside the grid unless a function says otherwise. Main thread only.
//
// What the main window uses: GetCurrentWordPattern, GetSelectedWords, HasSelectedWords,
// SelectAllWords, ClearAllLetters, GetWordList, SaveToFile and LoadFromFile.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "crossword/CellData.h"

class SelectedWords;

// What a new grid takes from the settings.
struct GridDefaults {
  uint32_t cellColour = 0xFFFFFF;
  uint8_t symmetryType = 0;
  uint8_t textCase = 1;

  // "Default Cell Colour", "Grid Symmetry" and "Grid Text Case".
  static GridDefaults FromSettings();
};

struct CellPos {
  int32_t col = 0;
  int32_t row = 0;
  bool operator==(const CellPos&) const = default;
};

class GridData {
 public:
  enum eSymmetryType : uint8_t {
    NoSymmetry = 0,
    Rotation90 = 1,
    Rotation180 = 2,
    Horizontal = 3,
    Vertical = 4,
    VerticalAndHorizontal = 5,
    DiagonalBottomLeftToTopRight = 6,
    DiagonalTopLeftToBottomRight = 7,
    BothDiagonals = 8,
    FullSymmetry = 9,
  };
  enum eTextCaseMode : uint8_t { TextAsTyped = 0, TextUpper = 1, TextLower = 2 };

  static constexpr int32_t kFormatValue = 12345;
  static constexpr int32_t kMaxSize = 999;  // the most columns or rows the new-grid dialog allows

  // Sizes below 1 are raised to 1.
  GridData(int32_t colCount, int32_t rowCount,
           const GridDefaults& defaults = GridDefaults::FromSettings());

  int32_t Cols() const { return cols; }
  int32_t Rows() const { return rows; }
  bool Contains(int32_t col, int32_t row) const {
    return col >= 0 && row >= 0 && col < cols && row < rows;
  }
  CellData& Cell(int32_t col, int32_t row) { return cells[Index(col, row)]; }
  const CellData& Cell(int32_t col, int32_t row) const { return cells[Index(col, row)]; }
  uint32_t DefaultColour() const { return defaultColour; }

  // Letters. Each change sets modified.
  // Stores c folded to the text case.
  void SetCellLetter(int32_t col, int32_t row, char c);
  // Writes the letters of text one a cell from (col, row) in direction (1 across, else down) up
  // to the word's last cell, passing over its marks; does nothing when the start cell is blank
  // or outside the grid.
  void InsertText(int32_t col, int32_t row, uint8_t direction, const std::string& text);
  // Empties every selected cell, or (col, row) when none is selected.
  void DeleteLetters(int32_t col, int32_t row);
  void ClearAllLetters();
  // These keep a letter that a crossing word still needs (IsLetterShared).
  void ClearSelectedLetters();
  void ClearCurrentWordLetters();
  // Folds every letter to the text case again.
  void ApplyTextCase();
  bool IsLetterShared(int32_t col, int32_t row) const;

  // Selection marks.
  bool HasSelectedCells() const;
  void ClearSelection();
  // Inclusive bounds, c1 <= c2 and r1 <= r2.
  void SelectRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2);
  void DeselectRect(int32_t c1, int32_t r1, int32_t c2, int32_t r2);

  // Colours. Each sets modified. With nothing selected the first two colour the current word.
  void ColourSelection(uint32_t colour);
  void RestoreSelectionColour();
  // Recolours the cells still in the old default colour.
  void SetDefaultColour(uint32_t colour);

  // Gives the cell the bar combination of barState, first advancing barState when the cell
  // already has it; repeated on one cell this cycles none, left, top, both.
  void CycleBar(int32_t col, int32_t row);

  // Word bounds, membership and numbering.
  bool IsEndOfAcross(int32_t c, int32_t r) const;
  bool IsEndOfDown(int32_t c, int32_t r) const;
  bool IsStartOfAcross(int32_t c, int32_t r) const;
  bool IsStartOfDown(int32_t c, int32_t r) const;
  uint8_t GetWordStarts(int32_t c, int32_t r) const;
  uint8_t GetMembership(int32_t c, int32_t r) const;
  // Recomputes membership, wordStarts and the clue numbers of every cell.
  void Renumber();

  // The current word.
  CellPos WordStart() const { return wordStart; }
  CellPos WordEnd() const { return wordEnd; }
  int32_t WordLength() const { return wordLength; }
  // Clears the current word's marks and makes (c, r) an empty current word.
  void ResetCurrentWord(int32_t c, int32_t r);
  void SelectAcrossWord(int32_t c, int32_t r);
  void SelectDownWord(int32_t c, int32_t r);
  // Chooses the direction at (c, r) and makes its word current. A cell that is current twice in
  // a row flips the direction at a crossing, unless allowFlip is false.
  void SelectWordAt(int32_t c, int32_t r, bool explicitChoice, bool allowFlip);
  bool ToggleDirectionIfRepeated(int32_t c, int32_t r);
  // The current word, '?' for an empty cell.
  std::string GetCurrentWordPattern() const;

  // Word texts from (c, r) to the word's end; an empty cell is '?', or '%' for a search when
  // both its words are selected.
  std::string GetAcrossWord(int32_t c, int32_t r, bool forSearch) const;
  std::string GetDownWord(int32_t c, int32_t r, bool forSearch) const;
  void ToggleAcrossWordSelection(int32_t c, int32_t r);
  void ToggleDownWordSelection(int32_t c, int32_t r);
  // Nothing when the current cell is blank: there is no word to choose.
  void ToggleCurrentWordSelection();
  void ClearWordSelection();
  bool HasSelectedWords() const;
  void SelectAllWords();
  // Adds the selected words in reading order, across before down at one cell.
  void GetSelectedWords(SelectedWords& list) const;

  // The next or previous numbered cell in reading order (across) or column order (down),
  // wrapping; a beep and (c, r) itself when there is no other.
  CellPos NextNumberedCellAcross(int32_t c, int32_t r) const;
  CellPos PrevNumberedCellAcross(int32_t c, int32_t r) const;
  CellPos NextNumberedCellDown(int32_t c, int32_t r) const;
  CellPos PrevNumberedCellDown(int32_t c, int32_t r) const;

  // Inverts the blank of (x, y) and, when apply is true, of its partners under the symmetry
  // type; the caller renumbers.
  void ApplySymmetry(int32_t x, int32_t y, bool apply);
  // The cells ApplySymmetry inverts, each once, all inside the grid.
  std::vector<CellPos> SymmetryCells(int32_t x, int32_t y, bool apply) const;

  // The grid file. Save: 0, or 1 when the file cannot be written (the old file stays as it was,
  // modified stays set). Load: 0; 1 when the file cannot be read; 2 when it is no grid file
  // (the grid is left unchanged). A load clears the marks and the current word and renumbers.
  int SaveToFile(const std::string& path);
  int LoadFromFile(const std::string& path);
  // The same from the file's bytes.
  int LoadFromBytes(const uint8_t* data, size_t size);
  std::string FileBytes() const;
  // "Across:\n", a line "number. word\n" for each across word, "\nDown:\n", the down words.
  std::string GetWordList() const;

  // State the control changes directly.
  CellPos current;    // the current cell
  CellPos previous;   // the current cell before the last move
  uint8_t direction = CellData::Across;
  uint8_t symmetryType = NoSymmetry;
  uint8_t textCase = TextUpper;
  uint8_t barState = 1;  // the bar combination the next bar action applies
  uint8_t modified = 0;

 private:
  size_t Index(int32_t col, int32_t row) const {
    return static_cast<size_t>(col) * static_cast<size_t>(rows) + static_cast<size_t>(row);
  }
  template <typename Visit>
  void ForEachCell(Visit visit) {
    for (CellData& cell : cells) visit(cell);
  }
  char FoldToTextCase(char c) const;
  void SetCurrentWordMarks(CellPos start, bool across);
  std::string WordText(int32_t c, int32_t r, bool across, bool forSearch) const;
  void ToggleWordSelection(int32_t c, int32_t r, bool across);
  CellPos ScanNumbered(int32_t c, int32_t r, bool across, int step) const;

  uint32_t defaultColour;
  std::vector<CellData> cells;  // column by column, as in the file
  CellPos wordStart;
  CellPos wordEnd;
  int32_t wordLength = 0;
  int32_t cols;
  int32_t rows;
};

// The menu caption of a symmetry type ("No Symmetry" ... "Full Symmetry").
std::string SymmetryCaption(uint8_t symmetryType);

// The message for a load code: 1 "Unable to Open File", 2 "... not a Sorvane Grid File.".
std::string GridFileErrorText(int code);
