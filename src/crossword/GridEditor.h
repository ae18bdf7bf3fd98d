#pragma once
// The decisions of the crossword grid control, without any window: it owns the grid model and
// turns modes, keys, typing, mouse presses, moves and releases (already turned into cells) and
// the main window's text operations into changes of the model. The control calls it for every
// input and repaints the whole grid afterwards. Main thread only.

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "crossword/GridData.h"

class GridEditor {
 public:
  enum eGridMode : uint8_t { LetterMode = 0, BlankMode = 1, BarMode = 2 };
  enum eDirection : uint8_t { MoveRight = 1, MoveLeft = 2, MoveUp = 3, MoveDown = 4 };
  enum class Key { Right, Left, Down, Up, Enter, Home, End, Backspace, Delete, Space, B, H, V, Other };
  enum class Button { Left, Right, Other };
  // The control's cursors, by number.
  enum Cursor : uint8_t {
    BlankCursor = 1, NoBarsCursor = 2, VBarCursor = 3, BothBarsCursor = 4, HBarCursor = 5,
    DownCursor = 6, AcrossCursor = 7,
  };

  // defaultsSource is asked for the settings of every new grid.
  explicit GridEditor(std::function<GridDefaults()> defaultsSource = GridDefaults::FromSettings);

  GridData& Grid() { return *grid; }
  const GridData& Grid() const { return *grid; }
  uint8_t Mode() const { return mode; }
  uint8_t CursorNumber() const { return cursor; }
  // Stamps the search results made from this grid; new at every Initialise, unique in the process.
  uint32_t GridId() const { return gridId; }
  CellPos PressCell() const { return pressCell; }
  CellPos PointerCell() const { return pointerCell; }
  // Called whenever a cell has been made current, so that the view can keep it visible.
  std::function<void()> scrollToCurrentCell;

  // A new empty grid (sizes below 1 become 1), then Initialise.
  void SetGridSize(int32_t cols, int32_t rows);
  // Current cell (0, 0), renumbering, the current word and a new grid id.
  void Initialise();
  // The loader's code; a loaded grid is initialised and in letter mode.
  int LoadGrid(const std::string& path);
  void SetGridMode(uint8_t newMode);
  // Clears the current word and, in letter mode on a cell that is not blank, chooses the word
  // through the current cell; every change of the current cell ends here.
  void CellSelected(bool explicitChoice);

  // One cell in the direction; at an edge it wraps to the next line (Right at a row's end goes
  // to the next row's start), but not twice in a row.
  void MoveCell(uint8_t direction);
  // The step after a typed letter: right (1) or down (4) unless at the edge or before a blank.
  void MoveLetter(uint8_t direction);
  // Returns whether the key is one the grid handles.
  bool KeyDown(Key key, bool shift, bool ctrl);
  // A typed character: in letter mode an ASCII letter goes into the current cell.
  void KeyPress(char32_t character);

  void MouseDown(Button button, bool shift, bool ctrl, CellPos cell);
  // Returns whether the grid needs repainting.
  bool MouseMove(bool leftHeld, CellPos cell);
  void MouseUp(Button button, bool shift, bool ctrl, CellPos cell);

  // Text of a search result, from the current word's start in the current direction, or from
  // (col, row) in direction (1 across, 2 down); nothing outside the grid or from a blank.
  void InsertText(const std::string& text);
  void InsertTextAt(int32_t col, int32_t row, uint8_t direction, const std::string& text);
  // Letter mode: empties the selected cells, or the current word, keeping shared letters.
  void ClearWordLetters();

  // Colours: a new default, the selection (or current word) in a colour of its own (letter mode
  // only), or back to the default.
  void SetCellColour(uint32_t colour);
  void CustomCellColour(uint32_t colour);
  void RestoreCellColour();
  void SetTextCaseMode(uint8_t caseMode);
  void SetSymmetryType(uint8_t type) { grid->symmetryType = type; }

 private:
  void MoveTo(CellPos cell);       // a move: remembers each coordinate it changes
  void MakeCurrent(CellPos cell);  // a click: remembers the whole old cell
  void WordDirectionCursor(bool force);
  void SetBarCursor();
  void AddBar(int32_t col, int32_t row);
  void ApplySymmetryAndRenumber(bool apply);
  bool ArrowKey(Key key, bool shift, bool ctrl);
  void KeepPointerCellsInside();

  std::function<GridDefaults()> newGridDefaults;
  std::unique_ptr<GridData> grid;
  uint8_t mode = LetterMode;
  uint8_t cursor = AcrossCursor;
  CellPos pressCell;
  CellPos pointerCell;
  uint32_t gridId = 0;
};

// A grid id: the time in seconds, or one more than the last id when that is not larger.
uint32_t NewGridId();
