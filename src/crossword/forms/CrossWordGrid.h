#pragma once
// The crossword grid control of a grid page: a self-painted widget over one GridEditor (which
// owns the GridData). It takes the keyboard focus itself, hands every key and mouse event to the
// editor as cells, and repaints the whole grid afterwards. Placed in a QScrollArea (setWidget,
// not resizable) it keeps the current cell in view; its size follows the grid (setFixedSize).
//
// What the main window uses: SetGridSize (new, resized or reset grids), LoadGrid, Grid() for
// GetSelectedWords, GetWordList, GetCurrentWordPattern, SelectAllWords, ClearAllLetters and
// SaveToFile, GetGridId to stamp and check search results, InsertText / InsertTextAt to write a
// result back, SetGridMode, the colour, case and symmetry setters, GetGridAsBitmap and
// CopyAsBitmap. The grid-properties dialog reads and writes the public colour fields,
// showIndexes and (through SetGridWidth) the line width, then calls update().

#include <QFont>
#include <QImage>
#include <QPoint>
#include <QWidget>
#include <cstdint>
#include <string>

#include "crossword/GridEditor.h"
#include "crossword/GridGeometry.h"

class CrossWordGrid : public QWidget {
  Q_OBJECT

 public:
  // Fonts, line width, colours, indexes and mode from the settings; a 1 x 1 grid until the
  // caller sets the page's size.
  explicit CrossWordGrid(QWidget* owner = nullptr);

  // Colours 0x00BBGGRR.
  uint32_t barColour = 0;
  uint32_t blankColour = 0;
  uint32_t selectedCellColour = 0;
  uint32_t currentWordColour = 0;
  uint32_t lineColour = 0;
  uint32_t currentCellColour = 0;
  bool showIndexes = true;
  int32_t lineWidth = 2;

  GridData& Grid() { return editor.Grid(); }
  const GridData& Grid() const { return editor.Grid(); }
  GridEditor& Editor() { return editor; }

  // Cell size from the letter font, control size, renumbering, current cell (0, 0), new grid id.
  void initialiseGrid();
  // A new empty grid of x columns and y rows (sizes below 1 become 1); all content is lost.
  void SetGridSize(QPoint size);
  // The loader's code: 0, 1 (unreadable) or 2 (no grid file, grid unchanged). A loaded grid is
  // initialised and in letter mode.
  int LoadGrid(const std::string& path);

  int32_t GetCols() const { return Grid().Cols(); }
  int32_t GetRows() const { return Grid().Rows(); }
  int32_t GetmCol() const { return Grid().current.col; }
  int32_t GetmRow() const { return Grid().current.row; }
  int32_t GetCellWidth() const { return gridGeometry.cellWidth; }
  int32_t GetCellHeight() const { return gridGeometry.cellHeight; }
  uint32_t GetGridId() const { return editor.GridId(); }
  bool GetShowIndexes() const { return showIndexes; }
  void SetGridWidth(int32_t width);
  int32_t GetBarWidth() const { return gridGeometry.BarWidth(); }
  int32_t GetBarSize() const { return gridGeometry.BarSize(); }
  // The letter font; clue numbers take half its size, plain.
  void SetCellFont(const QFont& font);
  QFont GetCellFont() const { return letterFont; }
  void SetCellColour(uint32_t colour);
  uint32_t GetCellColour() const { return Grid().DefaultColour(); }
  void CustomCellColour(uint32_t colour);
  void RestoreCellColour();
  void SetTextCaseMode(uint8_t mode);
  uint8_t GetTextCaseMode() const { return Grid().textCase; }
  void SetSymmetryType(uint8_t type) { editor.SetSymmetryType(type); }
  uint8_t GetSymmetryType() const { return Grid().symmetryType; }
  void SetGridMode(uint8_t mode);
  uint8_t GetGridMode() const { return editor.Mode(); }

  // The colour a cell is shown in: selected, then current word, then its own, blank last.
  uint32_t getCellColour(int32_t col, int32_t row) const;
  // Paints the grid into any painter: cells, letters, bars, the current cell's frame (when
  // showCurrentCell and the control has the focus), clue numbers. Only the cells that reach
  // into area are painted when an area is given.
  void PaintGrid(QPainter& painter, bool showCurrentCell, const QRect& area = QRect());
  void CellSelected(bool explicitChoice);
  // Gives the control the focus; the main window calls it when a grid page becomes active.
  void OnEnter();
  static bool CtrlDown();
  static bool ShiftDown();

  // The picture of the grid, the control's size, without the current cell's frame or the
  // current word; a null image when the grid is too large for one image.
  QImage GetGridAsBitmap();
  // False when the grid is too large for one picture (the clipboard is left as it was).
  bool CopyAsBitmap();

  void InsertText(const std::string& text);
  void InsertTextAt(int32_t col, int32_t row, uint8_t direction, const std::string& text);
  void ClearWordLetters();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;

 private:
  // Cell size from the letter font, and the control's size from the cells.
  void FitToGrid();
  void ScrollGrid();
  void ShowEditorCursor();
  void DrawBar(QPainter& painter, const PixelRect& bar);
  CellPos CellAt(const QPointF& position) const;

  GridEditor editor;
  QFont letterFont;
  QFont indexFont;
  GridGeometry gridGeometry;
  int32_t boxWidth = 0;  // of the place kept in view around the current cell
};
