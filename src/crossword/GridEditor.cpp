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

GridEditor::GridEditor(std::function<GridDefaults()> defaultsSource)
    : newGridDefaults(std::move(defaultsSource)),
      grid(std::make_unique<GridData>(1, 1, newGridDefaults())) {
  Initialise();
}

void GridEditor::SetGridSize(int32_t cols, int32_t rows) {
  grid = std::make_unique<GridData>(cols, rows, newGridDefaults());
  KeepPointerCellsInside();
  Initialise();
}

void GridEditor::KeepPointerCellsInside() {
  for (CellPos* cell : {&pressCell, &pointerCell}) {
    cell->col = std::clamp(cell->col, 0, grid->Cols() - 1);
    cell->row = std::clamp(cell->row, 0, grid->Rows() - 1);
  }
}

void GridEditor::Initialise() {
  grid->previous = grid->current;
  grid->current = {0, 0};
  grid->Renumber();
  CellSelected(false);
  gridId = NewGridId();
}

int GridEditor::LoadGrid(const std::string& path) {
  const int code = grid->LoadFromFile(path);
  if (code != 0) return code;
  KeepPointerCellsInside();
  Initialise();
  SetGridMode(LetterMode);
  return 0;
}

void GridEditor::SetGridMode(uint8_t newMode) {
  mode = newMode;
  GridData& model = *grid;
  model.ResetCurrentWord(model.current.col, model.current.row);
  if (newMode == LetterMode) {
    model.SelectWordAt(model.current.col, model.current.row, true, true);
    WordDirectionCursor(true);
  } else if (newMode == BlankMode) {
    cursor = BlankCursor;
  } else {
    SetBarCursor();
  }
  CellSelected(false);
}

void GridEditor::CellSelected(bool explicitChoice) {
  GridData& model = *grid;
  const CellPos cell = model.current;
  model.ResetCurrentWord(cell.col, cell.row);
  if (!model.Cell(cell.col, cell.row).blank && mode == LetterMode)
    model.SelectWordAt(cell.col, cell.row, explicitChoice, true);
  if (scrollToCurrentCell) scrollToCurrentCell();
}

void GridEditor::WordDirectionCursor(bool force) {
  if (mode != LetterMode) return;
  if (!force && grid->direction == cursorDirection) return;
  cursor = grid->direction == CellData::Across ? AcrossCursor : DownCursor;
  cursorDirection = grid->direction;
}

void GridEditor::SetBarCursor() {
  static constexpr uint8_t kByBarState[] = {NoBarsCursor, VBarCursor, HBarCursor, BothBarsCursor};
  cursor = kByBarState[grid->barState & 3];
}

void GridEditor::AddBar(int32_t col, int32_t row) {
  grid->CycleBar(col, row);
  SetBarCursor();
}

void GridEditor::MoveTo(CellPos cell) {
  GridData& model = *grid;
  if (cell.col != model.current.col) model.previous.col = model.current.col;
  if (cell.row != model.current.row) model.previous.row = model.current.row;
  model.current = cell;
}

void GridEditor::MakeCurrent(CellPos cell) {
  grid->previous = grid->current;
  grid->current = cell;
}

void GridEditor::MoveCell(uint8_t direction) {
  GridData& model = *grid;
  const int32_t lastCol = model.Cols() - 1;
  const int32_t lastRow = model.Rows() - 1;
  CellPos cell = model.current;
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
  GridData& model = *grid;
  const CellPos cell = model.current;
  if (direction == MoveRight && cell.col < model.Cols() - 1 && !model.Cell(cell.col + 1, cell.row).blank)
    MoveTo({cell.col + 1, cell.row});
  if (direction == MoveDown && cell.row < model.Rows() - 1 && !model.Cell(cell.col, cell.row + 1).blank)
    MoveTo({cell.col, cell.row + 1});
  CellSelected(false);
}

bool GridEditor::ArrowKey(Key key, bool shift, bool ctrl) {
  GridData& model = *grid;
  const CellPos at = model.current;
  if (ctrl) {
    if (key == Key::Right) MoveTo({model.Cols() - 1, at.row});
    if (key == Key::Left) MoveTo({0, at.row});
    if (key == Key::Down) MoveTo({at.col, model.Rows() - 1});
    if (key == Key::Up) MoveTo({at.col, 0});
    CellSelected(false);
  } else if (shift) {
    if (key == Key::Right) MoveTo(model.NextNumberedCellAcross(at.col, at.row));
    if (key == Key::Left) MoveTo(model.PrevNumberedCellAcross(at.col, at.row));
    if (key == Key::Down) MoveTo(model.NextNumberedCellDown(at.col, at.row));
    if (key == Key::Up) MoveTo(model.PrevNumberedCellDown(at.col, at.row));
    CellSelected(true);
  } else {
    static constexpr uint8_t kMoves[] = {MoveRight, MoveLeft, MoveDown, MoveUp};
    MoveCell(kMoves[static_cast<int>(key) - static_cast<int>(Key::Right)]);
  }
  return true;
}

void GridEditor::ApplySymmetryAndRenumber(bool apply) {
  grid->ApplySymmetry(grid->current.col, grid->current.row, apply);
  grid->Renumber();
}

bool GridEditor::KeyDown(Key key, bool shift, bool ctrl) {
  GridData& model = *grid;
  CellData& cell = model.Cell(model.current.col, model.current.row);
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
      MoveTo(model.WordStart());
      CellSelected(false);
      return true;
    case Key::End:
      MoveTo(model.WordEnd());
      CellSelected(false);
      return true;
    case Key::Backspace:
    case Key::Delete:
      model.DeleteLetters(model.current.col, model.current.row);
      return true;
    case Key::Space:
      if (mode == LetterMode) {
        model.direction = model.direction == CellData::Across ? CellData::Down : CellData::Across;
        WordDirectionCursor(true);
      } else if (mode == BlankMode) {
        ApplySymmetryAndRenumber(!ctrl);
      } else if (!cell.blank) {
        AddBar(model.current.col, model.current.row);
        model.Renumber();
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
        model.modified = 1;
        model.Renumber();
      }
      CellSelected(false);
      return true;
    case Key::Other:
      break;
  }
  return false;
}

void GridEditor::KeyPress(char32_t character) {
  if (mode != LetterMode || !IsAsciiLetter(character)) return;
  GridData& model = *grid;
  model.SetCellLetter(model.current.col, model.current.row, static_cast<char>(character));
  MoveLetter(model.direction == CellData::Across ? MoveRight : MoveDown);
}

void GridEditor::MouseDown(Button button, bool shift, bool ctrl, CellPos cell) {
  pressCell = cell;
  if (mode != LetterMode) return;
  GridData& model = *grid;
  if (button == Button::Left) {
    if (shift) {
      model.ResetCurrentWord(cell.col, cell.row);
      model.ClearWordSelection();
      const CellData& pointer = model.Cell(pointerCell.col, pointerCell.row);
      if (!pointer.blank) {
        if (pointer.selected) model.DeselectRect(cell.col, cell.row, cell.col, cell.row);
        else model.SelectRect(cell.col, cell.row, cell.col, cell.row);
      }
    } else if (!ctrl) {
      model.ClearWordSelection();
    }
    MakeCurrent(cell);
    if (!shift) CellSelected(true);
    if (ctrl) model.ToggleCurrentWordSelection();
  } else if (button == Button::Right) {
    MakeCurrent(cell);
    model.ResetCurrentWord(cell.col, cell.row);
    if (!model.Cell(cell.col, cell.row).blank) model.SelectWordAt(cell.col, cell.row, true, false);
  }
}

bool GridEditor::MouseMove(bool leftHeld, CellPos cell) {
  pointerCell = cell;
  WordDirectionCursor(false);
  if (mode == LetterMode || !leftHeld) return false;
  // Shows the cells that the release will change.
  grid->ClearSelection();
  grid->SelectRect(std::min(pressCell.col, cell.col), std::min(pressCell.row, cell.row),
                    std::max(pressCell.col, cell.col), std::max(pressCell.row, cell.row));
  return true;
}

void GridEditor::MouseUp(Button button, bool shift, bool ctrl, CellPos cell) {
  if (button != Button::Left) return;
  GridData& model = *grid;
  pointerCell = cell;
  if (mode != LetterMode) {
    const CellPos topLeft{std::min(pressCell.col, cell.col), std::min(pressCell.row, cell.row)};
    const CellPos bottomRight{std::max(pressCell.col, cell.col), std::max(pressCell.row, cell.row)};
    for (int32_t c = topLeft.col; c <= bottomRight.col; ++c) {
      for (int32_t r = topLeft.row; r <= bottomRight.row; ++r) {
        if (mode == BlankMode) model.ApplySymmetry(c, r, !ctrl);
        else if (!model.Cell(c, r).blank) AddBar(c, r);
      }
    }
    MakeCurrent(topLeft);
    CellSelected(false);
    model.Renumber();
  }
  if (mode != LetterMode || (!shift && !ctrl)) model.ClearSelection();
}

void GridEditor::InsertText(const std::string& text) {
  const CellPos start = grid->WordStart();
  grid->InsertText(start.col, start.row, grid->direction, text);
}

void GridEditor::InsertTextAt(int32_t col, int32_t row, uint8_t direction, const std::string& text) {
  grid->InsertText(col, row, direction, text);
}

void GridEditor::ClearWordLetters() {
  if (mode != LetterMode) return;
  if (grid->HasSelectedCells()) grid->ClearSelectedLetters();
  else grid->ClearCurrentWordLetters();
}

void GridEditor::SetCellColour(uint32_t colour) {
  grid->SetDefaultColour(colour);
  grid->ClearSelection();
}

void GridEditor::CustomCellColour(uint32_t colour) {
  if (mode != LetterMode) return;
  grid->ColourSelection(colour);
  grid->ClearSelection();
}

void GridEditor::RestoreCellColour() {
  grid->RestoreSelectionColour();
  grid->ClearSelection();
}

void GridEditor::SetTextCaseMode(uint8_t caseMode) {
  grid->textCase = caseMode;
  grid->ApplyTextCase();
}
