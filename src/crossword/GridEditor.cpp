#include "crossword/GridEditor.h"

#include <algorithm>
#include <atomic>
#include <ctime>

namespace {

// Shared by every grid of the program: the wrap of the last move, and the direction the
// cursor last showed.
uint8_t wrapFlag = 0;
uint8_t cursorDirection = 0;

std::atomic<uint32_t> lastGridId{0};

bool IsAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

}  // namespace

uint32_t NewGridId() {
  // Two grids made within one second still get different ids.
  const auto now = static_cast<uint32_t>(std::time(nullptr));
  uint32_t last = lastGridId.load();
  uint32_t next;
  do next = std::max(now, last + 1);
  while (!lastGridId.compare_exchange_weak(last, next));
  return next;
}

GridEditor::GridEditor(std::function<GridDefaults()> newGridDefaults)
    : newGridDefaults_(std::move(newGridDefaults)),
      grid_(std::make_unique<GridData>(1, 1, newGridDefaults_())) {
  Initialise();
}

void GridEditor::SetGridSize(int32_t cols, int32_t rows) {
  grid_ = std::make_unique<GridData>(cols, rows, newGridDefaults_());
  KeepPointerCellsInside();
  Initialise();
}

void GridEditor::KeepPointerCellsInside() {
  for (CellPos* cell : {&pressCell_, &pointerCell_}) {
    cell->col = std::clamp(cell->col, 0, grid_->Cols() - 1);
    cell->row = std::clamp(cell->row, 0, grid_->Rows() - 1);
  }
}

void GridEditor::Initialise() {
  grid_->previous = grid_->current;
  grid_->current = {0, 0};
  grid_->Renumber();
  CellSelected(false);
  gridId_ = NewGridId();
}

int GridEditor::LoadGrid(const std::string& path) {
  const int code = grid_->LoadFromFile(path);
  if (code != 0) return code;
  KeepPointerCellsInside();
  Initialise();
  SetGridMode(LetterMode);
  return 0;
}

void GridEditor::SetGridMode(uint8_t mode) {
  mode_ = mode;
  GridData& grid = *grid_;
  grid.ResetCurrentWord(grid.current.col, grid.current.row);
  if (mode == LetterMode) {
    grid.SelectWordAt(grid.current.col, grid.current.row, true, true);
    WordDirectionCursor(true);
  } else if (mode == BlankMode) {
    cursor_ = BlankCursor;
  } else {
    SetBarCursor();
  }
  CellSelected(false);
}

void GridEditor::CellSelected(bool explicitChoice) {
  GridData& grid = *grid_;
  const CellPos cell = grid.current;
  grid.ResetCurrentWord(cell.col, cell.row);
  if (!grid.Cell(cell.col, cell.row).blank && mode_ == LetterMode)
    grid.SelectWordAt(cell.col, cell.row, explicitChoice, true);
  if (scrollToCurrentCell) scrollToCurrentCell();
}

void GridEditor::WordDirectionCursor(bool force) {
  if (mode_ != LetterMode) return;
  if (!force && grid_->direction == cursorDirection) return;
  cursor_ = grid_->direction == CellData::Across ? AcrossCursor : DownCursor;
  cursorDirection = grid_->direction;
}

void GridEditor::SetBarCursor() {
  static constexpr uint8_t kByBarState[] = {NoBarsCursor, VBarCursor, HBarCursor, BothBarsCursor};
  cursor_ = kByBarState[grid_->barState & 3];
}

void GridEditor::AddBar(int32_t col, int32_t row) {
  grid_->CycleBar(col, row);
  SetBarCursor();
}

void GridEditor::MoveTo(CellPos cell) {
  GridData& grid = *grid_;
  if (cell.col != grid.current.col) grid.previous.col = grid.current.col;
  if (cell.row != grid.current.row) grid.previous.row = grid.current.row;
  grid.current = cell;
}

void GridEditor::MakeCurrent(CellPos cell) {
  grid_->previous = grid_->current;
  grid_->current = cell;
}

void GridEditor::MoveCell(uint8_t direction) {
  GridData& grid = *grid_;
  const int32_t lastCol = grid.Cols() - 1;
  const int32_t lastRow = grid.Rows() - 1;
  CellPos cell = grid.current;
  // Each wraps into the next line, unless the move before wrapped already.
  auto step = [&](bool atEdge, int32_t& coordinate, int32_t delta, int32_t wrapTo, uint8_t next) {
    if (!atEdge) {
      coordinate += delta;
      MoveTo(cell);
      wrapFlag = 0;
      return;
    }
    coordinate = wrapTo;
    MoveTo(cell);
    if (wrapFlag == 0) {
      wrapFlag = 1;
      MoveCell(next);
    }
  };
  switch (direction) {
    case MoveRight: step(cell.col == lastCol, cell.col, 1, 0, MoveDown); break;
    case MoveLeft: step(cell.col == 0, cell.col, -1, lastCol, MoveUp); break;
    case MoveUp: step(cell.row == 0, cell.row, -1, lastRow, MoveLeft); break;
    case MoveDown: step(cell.row == lastRow, cell.row, 1, 0, MoveRight); break;
    default: break;
  }
  CellSelected(false);
}

void GridEditor::MoveLetter(uint8_t direction) {
  GridData& grid = *grid_;
  const CellPos cell = grid.current;
  if (direction == MoveRight && cell.col < grid.Cols() - 1 && !grid.Cell(cell.col + 1, cell.row).blank)
    MoveTo({cell.col + 1, cell.row});
  if (direction == MoveDown && cell.row < grid.Rows() - 1 && !grid.Cell(cell.col, cell.row + 1).blank)
    MoveTo({cell.col, cell.row + 1});
  CellSelected(false);
}

bool GridEditor::ArrowKey(Key key, bool shift, bool ctrl) {
  GridData& grid = *grid_;
  const CellPos at = grid.current;
  if (ctrl) {
    if (key == Key::Right) MoveTo({grid.Cols() - 1, at.row});
    if (key == Key::Left) MoveTo({0, at.row});
    if (key == Key::Down) MoveTo({at.col, grid.Rows() - 1});
    if (key == Key::Up) MoveTo({at.col, 0});
    CellSelected(false);
  } else if (shift) {
    if (key == Key::Right) MoveTo(grid.NextNumberedCellAcross(at.col, at.row));
    if (key == Key::Left) MoveTo(grid.PrevNumberedCellAcross(at.col, at.row));
    if (key == Key::Down) MoveTo(grid.NextNumberedCellDown(at.col, at.row));
    if (key == Key::Up) MoveTo(grid.PrevNumberedCellDown(at.col, at.row));
    CellSelected(true);
  } else {
    static constexpr uint8_t kMoves[] = {MoveRight, MoveLeft, MoveDown, MoveUp};
    MoveCell(kMoves[static_cast<int>(key) - static_cast<int>(Key::Right)]);
  }
  return true;
}

void GridEditor::ApplySymmetryAndRenumber(bool apply) {
  grid_->ApplySymmetry(grid_->current.col, grid_->current.row, apply);
  grid_->Renumber();
}

bool GridEditor::KeyDown(Key key, bool shift, bool ctrl) {
  GridData& grid = *grid_;
  CellData& cell = grid.Cell(grid.current.col, grid.current.row);
  switch (key) {
    case Key::Right:
    case Key::Left:
    case Key::Down:
    case Key::Up:
      return ArrowKey(key, shift, ctrl);
    case Key::Enter:
      MoveCell(MoveRight);
      return true;
    case Key::Home:
      MoveTo(grid.WordStart());
      CellSelected(false);
      return true;
    case Key::End:
      MoveTo(grid.WordEnd());
      CellSelected(false);
      return true;
    case Key::Backspace:
    case Key::Delete:
      grid.DeleteLetters(grid.current.col, grid.current.row);
      return true;
    case Key::Space:
      if (mode_ == LetterMode) {
        grid.direction = grid.direction == CellData::Across ? CellData::Down : CellData::Across;
        WordDirectionCursor(true);
      } else if (mode_ == BlankMode) {
        ApplySymmetryAndRenumber(!ctrl);
      } else if (!cell.blank) {
        AddBar(grid.current.col, grid.current.row);
        grid.Renumber();
      }
      CellSelected(false);
      return true;
    case Key::B:
    case Key::H:
    case Key::V:
      if (!ctrl) return true;
      if (key == Key::B) {
        ApplySymmetryAndRenumber(!shift);
      } else {
        if (key == Key::H) cell.SetHBar(!cell.hbar);
        else cell.SetVBar(!cell.vbar);
        grid.modified = 1;
        grid.Renumber();
      }
      CellSelected(false);
      return true;
    case Key::Other:
      break;
  }
  return false;
}

void GridEditor::KeyPress(char32_t character) {
  if (mode_ != LetterMode || !IsAsciiLetter(character)) return;
  GridData& grid = *grid_;
  grid.SetCellLetter(grid.current.col, grid.current.row, static_cast<char>(character));
  MoveLetter(grid.direction == CellData::Across ? MoveRight : MoveDown);
}

void GridEditor::MouseDown(Button button, bool shift, bool ctrl, CellPos cell) {
  pressCell_ = cell;
  if (mode_ != LetterMode) return;
  GridData& grid = *grid_;
  if (button == Button::Left) {
    if (shift) {
      grid.ResetCurrentWord(cell.col, cell.row);
      grid.ClearWordSelection();
      const CellData& pointer = grid.Cell(pointerCell_.col, pointerCell_.row);
      if (!pointer.blank) {
        if (pointer.selected) grid.DeselectRect(cell.col, cell.row, cell.col, cell.row);
        else grid.SelectRect(cell.col, cell.row, cell.col, cell.row);
      }
    } else if (!ctrl) {
      grid.ClearWordSelection();
    }
    MakeCurrent(cell);
    if (!shift) CellSelected(true);
    if (ctrl) grid.ToggleCurrentWordSelection();
  } else if (button == Button::Right) {
    MakeCurrent(cell);
    grid.ResetCurrentWord(cell.col, cell.row);
    if (!grid.Cell(cell.col, cell.row).blank) grid.SelectWordAt(cell.col, cell.row, true, false);
  }
}

bool GridEditor::MouseMove(bool leftHeld, CellPos cell) {
  pointerCell_ = cell;
  WordDirectionCursor(false);
  if (mode_ == LetterMode || !leftHeld) return false;
  // Shows the cells that the release will change.
  grid_->ClearSelection();
  grid_->SelectRect(std::min(pressCell_.col, cell.col), std::min(pressCell_.row, cell.row),
                    std::max(pressCell_.col, cell.col), std::max(pressCell_.row, cell.row));
  return true;
}

void GridEditor::MouseUp(Button button, bool shift, bool ctrl, CellPos cell) {
  if (button != Button::Left) return;
  GridData& grid = *grid_;
  pointerCell_ = cell;
  if (mode_ != LetterMode) {
    const CellPos topLeft{std::min(pressCell_.col, cell.col), std::min(pressCell_.row, cell.row)};
    const CellPos bottomRight{std::max(pressCell_.col, cell.col), std::max(pressCell_.row, cell.row)};
    for (int32_t c = topLeft.col; c <= bottomRight.col; ++c) {
      for (int32_t r = topLeft.row; r <= bottomRight.row; ++r) {
        if (mode_ == BlankMode) grid.ApplySymmetry(c, r, !ctrl);
        else if (!grid.Cell(c, r).blank) AddBar(c, r);
      }
    }
    MakeCurrent(topLeft);
    CellSelected(false);
    grid.Renumber();
  }
  if (mode_ != LetterMode || (!shift && !ctrl)) grid.ClearSelection();
}

void GridEditor::InsertText(const std::string& text) {
  const CellPos start = grid_->WordStart();
  grid_->InsertText(start.col, start.row, grid_->direction, text);
}

void GridEditor::InsertTextAt(int32_t col, int32_t row, uint8_t direction, const std::string& text) {
  grid_->InsertText(col, row, direction, text);
}

void GridEditor::ClearWordLetters() {
  if (mode_ != LetterMode) return;
  if (grid_->HasSelectedCells()) grid_->ClearSelectedLetters();
  else grid_->ClearCurrentWordLetters();
}

void GridEditor::SetCellColour(uint32_t colour) {
  grid_->SetDefaultColour(colour);
  grid_->ClearSelection();
}

void GridEditor::CustomCellColour(uint32_t colour) {
  if (mode_ != LetterMode) return;
  grid_->ColourSelection(colour);
  grid_->ClearSelection();
}

void GridEditor::RestoreCellColour() {
  grid_->RestoreSelectionColour();
  grid_->ClearSelection();
}

void GridEditor::SetTextCaseMode(uint8_t mode) {
  grid_->textCase = mode;
  grid_->ApplyTextCase();
}
