#include "crossword/forms/CrossWordGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QPainter>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>

#include "crossword/GridPictures.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/ScriptedHost.h"
#include "platform/qt/ColorRef.h"
#include "support/ScopedAppPaths.h"

namespace {

// Cell (c, r) of a 10-point grid (W 18, H 20, L 2) has its inside at x = 20c + 2 .. 20c + 19,
// y = 22r + 2 .. 22r + 21.
//   .  |a  #
//  ^b   .  .     with (0, 1) in its own colour, red
const char* const kGrid = "3x2\n.|a#\n^b{0000FF}..";

class CrossWordGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings& settings = Settings::Rebuild();
    settings.SetInt(SettingId::GridFontSize, 10);
    settings.SetInt(SettingId::GridMode, GridEditor::LetterMode);
    grid = std::make_unique<CrossWordGrid>();
    grid->Grid() = MakeGrid(kGrid);
    grid->initialiseGrid();
  }

  // The grid painted into an image, probed at (x, y).
  QRgb Pixel(int x, int y, bool showCurrentCell = true) {
    QImage image(grid->size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    grid->PaintGrid(painter, showCurrentCell);
    painter.end();
    return image.pixel(x, y);
  }
  // A point of the cell's inside away from its letter, number and frame.
  QRgb CellPixel(int col, int row) { return Pixel(20 * col + 17, 22 * row + 5); }
  static QRgb Rgb(uint32_t colour) { return ColorRef::ToQColor(colour).rgb(); }

  void Focus() {
    grid->show();
    QApplication::setActiveWindow(grid.get());
    grid->setFocus();
    ASSERT_TRUE(QTest::qWaitFor([&] { return grid->hasFocus(); }));
  }

  ScopedAppPaths paths;
  ScriptedHost host;
  ScopedHost scope{host};
  std::unique_ptr<CrossWordGrid> grid;
};

TEST_F(CrossWordGridTest, ATenPointFontGivesTheCellSizesOfTheLayout) {
  EXPECT_EQ(grid->GetCellHeight(), 20);
  EXPECT_EQ(grid->GetCellWidth(), 18);
  EXPECT_EQ(grid->size(), QSize(3 * 18 + 4 * 2 + 2, 2 * 20 + 3 * 2 + 2));
  EXPECT_EQ(grid->GetBarWidth(), 4);
  grid->SetGridSize(QPoint(0, 4));
  EXPECT_EQ(grid->GetCols(), 1);
  EXPECT_EQ(grid->size(), QSize(18 + 2 * 2 + 2, 4 * 20 + 5 * 2 + 2));
}

TEST_F(CrossWordGridTest, CellsShowTheirDisplayColours) {
  // The current word is (0, 0) alone: its down word ends at the bar below it.
  EXPECT_EQ(CellPixel(0, 0), Rgb(grid->currentWordColour));
  EXPECT_EQ(CellPixel(1, 0), Rgb(0xFFFFFF));
  EXPECT_EQ(CellPixel(2, 0), Rgb(grid->blankColour));
  EXPECT_EQ(CellPixel(0, 1), qRgb(255, 0, 0));
  grid->Grid().Cell(2, 0).selected = 1;
  EXPECT_EQ(CellPixel(2, 0), Rgb(grid->selectedCellColour));
  EXPECT_EQ(Pixel(1, 10), Rgb(grid->lineColour));    // the left outline
  EXPECT_EQ(Pixel(20, 30), Rgb(grid->lineColour));   // the line shared by (0, 1) and (1, 1)
}

TEST_F(CrossWordGridTest, BarsLieOnTheLinesTheyShare) {
  grid->barColour = 0x00FF00;
  const QRgb bar = Rgb(grid->barColour);
  // The left bar of (1, 0): columns 19-22, over the line at 20-21.
  EXPECT_EQ(Pixel(19, 12), bar);
  EXPECT_EQ(Pixel(22, 12), bar);
  EXPECT_NE(Pixel(18, 12), bar);
  EXPECT_NE(Pixel(23, 12), bar);
  // The top bar of (0, 1): rows 21-24, over the line at 22-23.
  EXPECT_EQ(Pixel(10, 21), bar);
  EXPECT_EQ(Pixel(10, 24), bar);
  EXPECT_NE(Pixel(10, 20), bar);
  EXPECT_NE(Pixel(10, 25), bar);
}

TEST_F(CrossWordGridTest, TheCurrentCellIsFramedOnlyWithTheFocus) {
  const QRgb frame = Rgb(grid->currentCellColour);
  EXPECT_NE(Pixel(2, 12), frame);
  Focus();
  EXPECT_EQ(Pixel(2, 12), frame);
  EXPECT_EQ(Pixel(19, 12), frame);
  EXPECT_NE(Pixel(2, 12, false), frame);
  EXPECT_EQ(CellPixel(0, 0), Rgb(grid->currentWordColour));
}

TEST_F(CrossWordGridTest, TheBitmapIsTheGridWithoutFrameOrCurrentWord) {
  Focus();
  const QImage bitmap = grid->GetGridAsBitmap();
  EXPECT_EQ(bitmap.size(), grid->size());
  EXPECT_EQ(bitmap.pixel(20 * 0 + 17, 5), Rgb(0xFFFFFF));  // no current-word colour
  EXPECT_NE(bitmap.pixel(2, 12), Rgb(grid->currentCellColour));
  EXPECT_EQ(grid->GetGridMode(), GridEditor::LetterMode);
  EXPECT_EQ(CellPixel(0, 0), Rgb(grid->currentWordColour));
  grid->CopyAsBitmap();
  EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), bitmap);
}

TEST_F(CrossWordGridTest, AGridTooLargeForOnePictureGivesNone) {
  grid->SetCellFont(QFont(grid->GetCellFont().family(), 60));
  grid->SetGridSize(QPoint(999, 999));
  EXPECT_TRUE(grid->GetGridAsBitmap().isNull());
  grid->CopyAsBitmap();
}

// The widget, driven by QTest, against the editor driven with the cells the pixels stand for.
TEST_F(CrossWordGridTest, KeysTextAndClicksDoWhatTheEditorDoes) {
  struct Step {
    std::function<void(CrossWordGrid&)> widget;
    std::function<void(GridEditor&)> editor;
  };
  using Key = GridEditor::Key;
  using Button = GridEditor::Button;
  auto key = [](Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [=](CrossWordGrid& w) { QTest::keyClick(&w, k, modifiers); };
  };
  auto click = [](Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    return [=](CrossWordGrid& w) { QTest::mouseClick(&w, button, modifiers, at); };
  };
  auto down = [](Button b, bool shift, bool ctrl, CellPos cell) {
    return [=](GridEditor& e) {
      e.MouseDown(b, shift, ctrl, cell);
      e.MouseUp(b, shift, ctrl, cell);
    };
  };
  const std::vector<Step> steps = {
      {key(Qt::Key_Return), [](GridEditor& e) { e.KeyDown(Key::Enter, false, false); }},
      {key(Qt::Key_Enter, Qt::KeypadModifier), [](GridEditor& e) { e.KeyDown(Key::Enter, false, false); }},
      {click(Qt::LeftButton, QPoint(5, 30)), down(Button::Left, false, false, {0, 1})},
      {[](CrossWordGrid& w) { QTest::keyClicks(&w, "xy"); },
       [](GridEditor& e) {
         e.KeyPress('x');
         e.KeyPress('y');
       }},
      {key(Qt::Key_Right, Qt::ControlModifier), [](GridEditor& e) { e.KeyDown(Key::Right, false, true); }},
      {key(Qt::Key_Left, Qt::ShiftModifier), [](GridEditor& e) { e.KeyDown(Key::Left, true, false); }},
      {key(Qt::Key_B, Qt::ControlModifier | Qt::ShiftModifier), [](GridEditor& e) { e.KeyDown(Key::B, true, true); }},
      {key(Qt::Key_V, Qt::ControlModifier), [](GridEditor& e) { e.KeyDown(Key::V, false, true); }},
      {click(Qt::LeftButton, QPoint(-5, -5), Qt::ControlModifier), down(Button::Left, false, true, {0, 0})},
      {click(Qt::RightButton, QPoint(10000, 30)), down(Button::Right, false, false, {2, 1})},
      {key(Qt::Key_Space), [](GridEditor& e) { e.KeyDown(Key::Space, false, false); }},
      {key(Qt::Key_Backspace), [](GridEditor& e) { e.KeyDown(Key::Backspace, false, false); }},
      {key(Qt::Key_Home), [](GridEditor& e) { e.KeyDown(Key::Home, false, false); }},
  };
  auto state = [](const GridData& g) {
    return DescribeGrid(g) + CellFields(g, [](const CellData& c) { return c.wordSelection; }) +
           std::to_string(g.current.col) + "," + std::to_string(g.current.row) + " " + std::to_string(g.direction);
  };
  Focus();
  GridEditor editor(TestGridDefaults);
  editor.Grid() = MakeGrid(kGrid);
  editor.Initialise();
  editor.SetGridMode(GridEditor::LetterMode);
  for (size_t i = 0; i < steps.size(); ++i) {
    steps[i].widget(*grid);
    steps[i].editor(editor);
    EXPECT_EQ(state(grid->Grid()), state(editor.Grid())) << "step " << i;
  }
}

TEST_F(CrossWordGridTest, TheScrollAreaKeepsTheCurrentCellInView) {
  QScrollArea area;
  area.resize(120, 120);
  CrossWordGrid* page = new CrossWordGrid;
  area.setWidget(page);
  page->SetGridSize(QPoint(30, 30));
  area.show();
  page->setFocus();
  QTest::keyClick(page, Qt::Key_Down, Qt::ControlModifier);
  QTest::keyClick(page, Qt::Key_Right, Qt::ControlModifier);
  EXPECT_GT(area.verticalScrollBar()->value(), 0);
  EXPECT_GT(area.horizontalScrollBar()->value(), 0);
}

}  // namespace
