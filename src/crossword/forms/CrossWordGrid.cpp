// The grid control: construction from the settings, sizes and fonts, input handed to the editor,
// keeping the current cell in view.

#include "crossword/forms/CrossWordGrid.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScrollArea>
#include <algorithm>

#include "crossword/forms/GridCursors.h"
#include "foundation/MenuMetrics.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/qt/QtText.h"

namespace {

GridEditor::Key EditorKey(int key) {
  using Key = GridEditor::Key;
  switch (key) {
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Return:
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Home: return Key::Home;
    case Qt::Key_End: return Key::End;
    case Qt::Key_Backspace: return Key::Backspace;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_B: return Key::B;
    case Qt::Key_H: return Key::H;
    case Qt::Key_V: return Key::V;
    default: return Key::Other;
  }
}

GridEditor::Button EditorButton(Qt::MouseButton button) {
  if (button == Qt::LeftButton) return GridEditor::Button::Left;
  if (button == Qt::RightButton) return GridEditor::Button::Right;
  return GridEditor::Button::Other;
}

}  // namespace

CrossWordGrid::CrossWordGrid(QWidget* owner) : QWidget(owner) {
  Settings& settings = Settings::Instance();
  QFont font(Cp1252::ToQString(settings.GetString(SettingId::GridFontName)),
             std::max(settings.GetInt(SettingId::GridFontSize), 1));
  font.setBold(settings.GetBool(SettingId::GridFontBold));
  lineWidth = settings.GetInt(SettingId::GridLineWidth);
  setFocusPolicy(Qt::StrongFocus);
  setMouseTracking(true);  // the cell under the pointer is followed without a button too
  setAutoFillBackground(true);
  editor.scrollToCurrentCell = [this] { ScrollGrid(); };
  SetCellFont(font);
  boxWidth = gridGeometry.cellWidth * 3 / 2;
  barColour = static_cast<uint32_t>(settings.GetInt(SettingId::GridBarColour));
  blankColour = static_cast<uint32_t>(settings.GetInt(SettingId::GridBlankColour));
  selectedCellColour = static_cast<uint32_t>(settings.GetInt(SettingId::GridSelectedCellColour));
  currentWordColour = static_cast<uint32_t>(settings.GetInt(SettingId::GridCurrentWordColour));
  lineColour = static_cast<uint32_t>(settings.GetInt(SettingId::GridLineColour));
  currentCellColour = static_cast<uint32_t>(settings.GetInt(SettingId::GridCurrentCellColour));
  showIndexes = settings.GetBool(SettingId::GridIndexes);
  SetGridMode(static_cast<uint8_t>(settings.GetInt(SettingId::GridMode)));
}

void CrossWordGrid::initialiseGrid() {
  FitToGrid();
  editor.Initialise();
  update();
}

void CrossWordGrid::FitToGrid() {
  const int fontHeight = MenuMetrics::FontHeightFromPoints(letterFont.pointSize(), logicalDpiY());
  gridGeometry = GridGeometry::ForFont(fontHeight, logicalDpiY(), lineWidth);
  setFixedSize(gridGeometry.ControlWidth(GetCols()), gridGeometry.ControlHeight(GetRows()));
}

void CrossWordGrid::SetGridSize(QPoint size) {
  editor.SetGridSize(size.x(), size.y());  // initialises the new grid once
  FitToGrid();
  update();
}

int CrossWordGrid::LoadGrid(const std::string& path) {
  const int code = editor.LoadGrid(path);
  if (code != 0) return code;
  FitToGrid();
  ShowEditorCursor();
  update();
  return 0;
}

void CrossWordGrid::SetGridWidth(int32_t width) {
  if (width == lineWidth) return;
  lineWidth = width;
  initialiseGrid();
}

void CrossWordGrid::SetCellFont(const QFont& font) {
  letterFont = font;
  indexFont = QFont(font.family(), std::max(font.pointSize() / 2, 1));
  initialiseGrid();
}

void CrossWordGrid::SetCellColour(uint32_t colour) {
  editor.SetCellColour(colour);
  update();
}

void CrossWordGrid::CustomCellColour(uint32_t colour) {
  editor.CustomCellColour(colour);
  update();
}

void CrossWordGrid::RestoreCellColour() {
  editor.RestoreCellColour();
  update();
}

void CrossWordGrid::SetTextCaseMode(uint8_t mode) {
  editor.SetTextCaseMode(mode);
  update();
}

void CrossWordGrid::SetGridMode(uint8_t mode) {
  editor.SetGridMode(mode);
  ShowEditorCursor();
  if (isVisible()) setFocus();
  update();
}

void CrossWordGrid::CellSelected(bool explicitChoice) {
  editor.CellSelected(explicitChoice);
  update();
}

void CrossWordGrid::OnEnter() {
  if (isVisible()) setFocus();
}

bool CrossWordGrid::CtrlDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::ControlModifier; }
bool CrossWordGrid::ShiftDown() { return QGuiApplication::queryKeyboardModifiers() & Qt::ShiftModifier; }

void CrossWordGrid::ShowEditorCursor() { setCursor(GridCursor(editor.CursorNumber())); }

void CrossWordGrid::ScrollGrid() {
  // Only a grid page's scroll area scrolls: the area's viewport is the control's parent.
  QWidget* viewport = parentWidget();
  auto* area = viewport ? qobject_cast<QScrollArea*>(viewport->parentWidget()) : nullptr;
  if (!area) return;
  const PixelRect box = gridGeometry.ScrollTarget(Grid().current, boxWidth);
  const int halfWidth = (box.right - box.left) / 2;
  const int halfHeight = (box.bottom - box.top) / 2;
  area->ensureVisible(box.left + halfWidth, box.top + halfHeight, halfWidth, halfHeight);
}

bool CrossWordGrid::CopyAsBitmap() {
  const QImage image = GetGridAsBitmap();
  if (image.isNull()) return false;
  QGuiApplication::clipboard()->setImage(image);
  return true;
}

void CrossWordGrid::InsertText(const std::string& text) {
  editor.InsertText(text);
  update();
}

void CrossWordGrid::InsertTextAt(int32_t col, int32_t row, uint8_t direction, const std::string& text) {
  editor.InsertTextAt(col, row, direction, text);
  update();
}

void CrossWordGrid::ClearWordLetters() {
  editor.ClearWordLetters();
  update();
}

CellPos CrossWordGrid::CellAt(const QPointF& position) const {
  const QPoint point = position.toPoint();
  return gridGeometry.CellAt(point.x(), point.y(), GetCols(), GetRows());
}

void CrossWordGrid::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  const bool handled = editor.KeyDown(EditorKey(event->key()), modifiers & Qt::ShiftModifier,
                                       modifiers & Qt::ControlModifier);
  // With Ctrl, Alt or Meta held a key is a command, never a typed character.
  const QString text =
      modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier) ? QString() : event->text();
  for (char32_t character : text.toUcs4()) editor.KeyPress(character);
  ShowEditorCursor();
  update();
  if (!handled && text.isEmpty()) QWidget::keyPressEvent(event);
}

void CrossWordGrid::mousePressEvent(QMouseEvent* event) {
  setFocus(Qt::MouseFocusReason);
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  editor.MouseDown(EditorButton(event->button()), modifiers & Qt::ShiftModifier,
                    modifiers & Qt::ControlModifier, CellAt(event->position()));
  ShowEditorCursor();
  update();
}

void CrossWordGrid::mouseMoveEvent(QMouseEvent* event) {
  if (editor.MouseMove(event->buttons() & Qt::LeftButton, CellAt(event->position()))) update();
  ShowEditorCursor();
}

void CrossWordGrid::mouseReleaseEvent(QMouseEvent* event) {
  const Qt::KeyboardModifiers modifiers = event->modifiers();
  editor.MouseUp(EditorButton(event->button()), modifiers & Qt::ShiftModifier,
                  modifiers & Qt::ControlModifier, CellAt(event->position()));
  ShowEditorCursor();
  update();
}

void CrossWordGrid::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  update();  // the current cell's frame shows only with the focus
}

void CrossWordGrid::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  update();
}
