// The grid control's decisions through the editor: moves and wraps, every key, typing, the mouse
// in each mode, text insertion, grid ids, new sizes and loading.

#include "crossword/GridEditor.h"

#include <gtest/gtest.h>

#include "crossword/GridPictures.h"
#include "platform/ScriptedHost.h"
#include "search/request/SelectedWords.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"

namespace {

using Key = GridEditor::Key;
using Button = GridEditor::Button;

// Numbers at (0,0) 1, (2,0) 2, (4,0) 3, (0,2) 4, (0,4) 5.
const char* const kPlusGrid = "5x5\n.....\n.#.#.\n.....\n.#.#.\n.....";

// An editor on the described grid, in the mode, with the current cell at `at` reached by a
// plain move (so no wrap is pending and the previous cell differs).
std::unique_ptr<GridEditor> Editor(const char* description, uint8_t mode, CellPos at = {0, 0}) {
  auto editor = std::make_unique<GridEditor>(TestGridDefaults);
  editor->Grid() = MakeGrid(description);
  editor->Initialise();
  editor->SetGridMode(mode);
  const int32_t neighbour = at.col + 1 < editor->Grid().Cols() ? at.col + 1 : at.col - 1;
  editor->Grid().current = {neighbour, at.row};
  editor->MoveCell(neighbour > at.col ? GridEditor::MoveLeft : GridEditor::MoveRight);
  return editor;
}

std::string Letters(const GridData& grid) {
  return CellFields(grid, [](const CellData& c) { return c.blank ? '#' : c.Letter() ? c.Letter() : '.'; });
}

TEST(GridEditorTest, MovesWrapIntoTheNextLineButNotTwice) {
  struct Case {
    CellPos from;
    std::vector<uint8_t> moves;
    CellPos to;
  } const cases[] = {
      {{4, 3}, {GridEditor::MoveRight}, {0, 4}},
      {{4, 4}, {GridEditor::MoveRight}, {0, 0}},
      {{4, 4}, {GridEditor::MoveRight, GridEditor::MoveLeft}, {4, 0}},  // not the last row
      {{2, 4}, {GridEditor::MoveDown}, {3, 0}},
      {{2, 0}, {GridEditor::MoveUp}, {1, 4}},
      {{0, 2}, {GridEditor::MoveLeft}, {4, 1}},
      {{0, 0}, {GridEditor::MoveLeft}, {4, 4}},
  };
  for (const Case& c : cases) {
    auto editor = Editor("5x5", GridEditor::BlankMode, c.from);
    for (uint8_t move : c.moves) editor->MoveCell(move);
    EXPECT_EQ(editor->Grid().current, c.to) << c.from.col << "," << c.from.row;
  }
}

TEST(GridEditorTest, ArrowsEnterHomeAndEndMoveTheCurrentCell) {
  struct Case {
    Key key;
    bool shift, ctrl;
    CellPos to;  // from (1, 2), inside the across word of row 2
  } const cases[] = {
      {Key::Right, false, false, {2, 2}}, {Key::Right, true, false, {0, 4}}, {Key::Right, false, true, {4, 2}},
      {Key::Right, true, true, {4, 2}},   {Key::Left, false, false, {0, 2}}, {Key::Left, true, false, {0, 2}},
      {Key::Left, false, true, {0, 2}},   {Key::Down, false, false, {1, 3}}, {Key::Down, true, false, {2, 0}},
      {Key::Down, false, true, {1, 4}},   {Key::Up, false, false, {1, 1}},   {Key::Up, true, false, {0, 4}},
      {Key::Up, false, true, {1, 0}},     {Key::Enter, false, false, {2, 2}}, {Key::Enter, true, true, {2, 2}},
      {Key::Home, false, false, {0, 2}},  {Key::End, true, false, {4, 2}},
  };
  for (const Case& c : cases) {
    auto editor = Editor(kPlusGrid, GridEditor::LetterMode, {1, 2});
    ASSERT_EQ(editor->Grid().WordStart(), (CellPos{0, 2}));
    EXPECT_TRUE(editor->KeyDown(c.key, c.shift, c.ctrl));
    EXPECT_EQ(editor->Grid().current, c.to) << static_cast<int>(c.key) << c.shift << c.ctrl;
  }
}

TEST(GridEditorTest, EditingKeysInEachMode) {
  struct Case {
    uint8_t mode;
    Key key;
    bool shift, ctrl;
    const char* letters;  // after the key at (0, 0) of "3x2 ab. / ..." with 180-degree symmetry
    int barState;         // of (0, 0)
  } const cases[] = {
      {GridEditor::LetterMode, Key::Backspace, false, false, ". b .\n. . .\n", 0},
      {GridEditor::LetterMode, Key::Delete, true, true, ". b .\n. . .\n", 0},
      {GridEditor::BlankMode, Key::Space, false, false, "# b .\n. . #\n", 0},
      {GridEditor::BlankMode, Key::Space, false, true, "# b .\n. . .\n", 0},
      {GridEditor::BarMode, Key::Space, false, false, "a b .\n. . .\n", 1},
      {GridEditor::LetterMode, Key::B, false, true, "# b .\n. . #\n", 0},
      {GridEditor::BarMode, Key::B, true, true, "# b .\n. . .\n", 0},
      {GridEditor::LetterMode, Key::B, false, false, "a b .\n. . .\n", 0},
      {GridEditor::BlankMode, Key::H, false, true, "a b .\n. . .\n", 2},
      {GridEditor::LetterMode, Key::V, false, true, "a b .\n. . .\n", 1},
      {GridEditor::LetterMode, Key::V, false, false, "a b .\n. . .\n", 0},
  };
  for (const Case& c : cases) {
    auto editor = Editor("3x2\nab.\n...", c.mode);
    editor->SetSymmetryType(GridData::Rotation180);
    editor->KeyDown(c.key, c.shift, c.ctrl);
    const GridData& grid = editor->Grid();
    EXPECT_EQ(Letters(grid), c.letters) << int(c.mode) << " " << int(c.key);
    EXPECT_EQ(grid.Cell(0, 0).BarState(), c.barState) << int(c.mode) << " " << int(c.key);
  }
  EXPECT_FALSE(Editor("1x1", GridEditor::LetterMode)->KeyDown(Key::Other, false, false));
}

TEST(GridEditorTest, SpaceSwitchesWordsOnlyAtACrossing) {
  auto editor = Editor(kPlusGrid, GridEditor::LetterMode, {0, 0});
  for (uint8_t direction : {CellData::Across, CellData::Down}) {
    editor->Grid().direction = direction == CellData::Across ? CellData::Down : CellData::Across;
    editor->KeyDown(Key::Space, false, false);
    EXPECT_EQ(editor->Grid().direction, direction);
    EXPECT_EQ(editor->CursorNumber(), direction == CellData::Across ? GridEditor::AcrossCursor : GridEditor::DownCursor);
    EXPECT_EQ(editor->Grid().WordEnd(), direction == CellData::Across ? (CellPos{4, 0}) : (CellPos{0, 4}));
  }
  auto single = Editor(kPlusGrid, GridEditor::LetterMode, {1, 2});
  single->KeyDown(Key::Space, false, false);
  EXPECT_EQ(single->Grid().direction, CellData::Across);
}

TEST(GridEditorTest, TypingFillsTheWordAndStepsOverBarsButNotOffTheWord) {
  struct Case {
    uint8_t mode;
    const char* description;
    std::u32string typed;
    const char* letters;
  } const cases[] = {
      {GridEditor::LetterMode, "4x2\n..|..\n####", U"abcde", "A B C E\n# # # #\n"},  // the last cell keeps the last letter
      {GridEditor::LetterMode, "3x2\n..#\n###", U"xyz", "X Z #\n# # #\n"},
      {GridEditor::LetterMode, "2x2\n..\n##", U"1-?q", "Q .\n# #\n"},  // other characters are swallowed
      {GridEditor::BlankMode, "2x1\n..", U"ab", ". .\n"},
      {GridEditor::BarMode, "2x1\n..", U"ab", ". .\n"},
  };
  for (const Case& c : cases) {
    auto editor = Editor(c.description, c.mode);
    editor->Grid().textCase = GridData::TextUpper;
    for (char32_t character : c.typed) editor->KeyPress(character);
    EXPECT_EQ(Letters(editor->Grid()), c.letters) << c.description;
  }
}

TEST(GridEditorTest, BarClicksCycleOneCellAndRepeatOnAnother) {
  auto editor = Editor("2x1\n..", GridEditor::BarMode);
  std::vector<int> states;
  std::vector<int> cursors;
  for (int i = 0; i < 4; ++i) {
    editor->MouseDown(Button::Left, false, false, {1, 0});
    editor->MouseUp(Button::Left, false, false, {1, 0});
    states.push_back(editor->Grid().Cell(1, 0).BarState());
    cursors.push_back(editor->CursorNumber());
  }
  EXPECT_EQ(states, (std::vector<int>{1, 2, 3, 0}));
  EXPECT_EQ(cursors, (std::vector<int>{GridEditor::VBarCursor, GridEditor::HBarCursor,
                                       GridEditor::BothBarsCursor, GridEditor::NoBarsCursor}));
  // Another cell takes the combination last applied.
  for (CellPos cell : {CellPos{1, 0}, CellPos{0, 0}}) {
    editor->MouseDown(Button::Left, false, false, cell);
    editor->MouseUp(Button::Left, false, false, cell);
  }
  EXPECT_EQ(editor->Grid().Cell(0, 0).BarState(), 1);
  EXPECT_FALSE(editor->Grid().HasSelectedCells());
}

TEST(GridEditorTest, DraggingInBlankModeInvertsTheRectangleAndItsPartners) {
  for (bool ctrl : {false, true}) {
    auto editor = Editor("6x6", GridEditor::BlankMode, {5, 5});
    editor->SetSymmetryType(GridData::Rotation180);
    editor->MouseDown(Button::Left, false, ctrl, {2, 0});
    EXPECT_TRUE(editor->MouseMove(true, {1, 1}));
    EXPECT_EQ(CellFields(editor->Grid(), [](const CellData& c) { return c.selected; }),
              "0 1 1 0 0 0\n0 1 1 0 0 0\n0 0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0 0 0\n0 0 0 0 0 0\n");
    editor->MouseUp(Button::Left, false, ctrl, {1, 2});
    const char* const expected = ctrl ? ". # # . . .\n. # # . . .\n. # # . . .\n. . . . . .\n. . . . . .\n. . . . . .\n"
                                      : ". # # . . .\n. # # . . .\n. # # . . .\n. . . # # .\n. . . # # .\n. . . # # .\n";
    EXPECT_EQ(Letters(editor->Grid()), expected);
    EXPECT_EQ(editor->Grid().current, (CellPos{1, 0}));
    EXPECT_FALSE(editor->Grid().HasSelectedCells());
    EXPECT_EQ(editor->Grid().Cell(0, 0).number, 1);  // renumbered
  }
}

TEST(GridEditorTest, ClicksInLetterMode) {
  auto editor = Editor(kPlusGrid, GridEditor::LetterMode, {3, 4});
  GridData& grid = editor->Grid();
  // Ctrl+click on two crossing words chooses both.
  editor->MouseDown(Button::Left, false, true, {1, 0});
  editor->MouseUp(Button::Left, false, true, {1, 0});
  editor->MouseDown(Button::Left, false, true, {0, 1});
  editor->MouseUp(Button::Left, false, true, {0, 1});
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.wordSelection; }),
            "3 1 1 1 1\n2 0 0 0 0\n2 0 0 0 0\n2 0 0 0 0\n2 0 0 0 0\n");
  // A plain click clears the words at the press and the marks at the release.
  editor->MouseDown(Button::Left, false, false, {2, 2});
  EXPECT_FALSE(grid.HasSelectedWords());
  EXPECT_TRUE(grid.HasSelectedCells());
  editor->MouseUp(Button::Left, false, false, {2, 2});
  EXPECT_FALSE(grid.HasSelectedCells());
  EXPECT_EQ(grid.direction, CellData::Down);  // a crossing that starts no word keeps the direction
  // Shift+click toggles the mark of the cell under the pointer.
  editor->MouseMove(false, {4, 2});
  editor->MouseDown(Button::Left, true, false, {4, 2});
  editor->MouseUp(Button::Left, true, false, {4, 2});
  EXPECT_TRUE(grid.Cell(4, 2).selected);
  editor->MouseDown(Button::Left, true, false, {4, 2});
  EXPECT_FALSE(grid.Cell(4, 2).selected);
  // A right-click takes the word through the cell without flipping, however often.
  for (int i = 0; i < 2; ++i) editor->MouseDown(Button::Right, false, false, {0, 0});
  EXPECT_EQ(grid.direction, CellData::Down);
  editor->MouseDown(Button::Left, false, false, {0, 0});
  EXPECT_EQ(grid.direction, CellData::Across);
  // Ctrl+click on a blank chooses nothing.
  editor->MouseDown(Button::Left, false, true, {1, 1});
  EXPECT_FALSE(grid.HasSelectedWords());
}

TEST(GridEditorTest, TwoCrossingWordsFeedTheCrossingSearch) {
  const std::vector<std::string> words = {"ace", "act", "cab", "car", "cat", "ear", "eat", "tab", "tar", "tea"};
  SearchHarness search({InLexiconOrder(words)});
  ASSERT_TRUE(search.Set("*"));
  auto editor = Editor("3x3\n...\n.#.\n...", GridEditor::LetterMode, {2, 2});
  for (CellPos cell : {CellPos{1, 0}, CellPos{0, 1}}) editor->MouseDown(Button::Left, false, true, cell);
  editor->KeyPress('a');  // the down word's second cell
  SelectedWords selected;
  editor->Grid().GetSelectedWords(selected);
  ASSERT_EQ(selected.words.size(), 2u);
  const std::vector<std::string> results = search.Grid(selected);
  std::vector<std::string> expected;
  for (const std::string& across : InLexiconOrder(words))
    for (const std::string& down : InLexiconOrder(words))
      if (across != down && across[0] == down[0] && down[1] == 'a') expected.insert(expected.end(), {across, down});
  EXPECT_EQ(results, expected);
  EXPECT_FALSE(expected.empty());
  EXPECT_TRUE(search.host.Boxes().empty());

  // A word with every cell filled has nothing to search for.
  auto filled = Editor("3x3\nabc\n.#.\n...", GridEditor::LetterMode, {2, 2});
  filled->MouseDown(Button::Left, false, true, {1, 0});
  SelectedWords none;
  filled->Grid().GetSelectedWords(none);
  EXPECT_TRUE(none.words.empty());
  ASSERT_EQ(search.host.Boxes().size(), 1u);
  EXPECT_EQ(search.host.Boxes()[0].caption, "Information");
}

TEST(GridEditorTest, InsertingTextNeedsACellInsideAndNoBlankStart) {
  const char* const grid = "4x3\n#...\n####\n....";
  auto editor = Editor(grid, GridEditor::LetterMode, {2, 0});
  editor->InsertText("xyzw");
  EXPECT_EQ(Letters(editor->Grid()), "# x y z\n# # # #\n. . . .\n");
  editor->InsertTextAt(1, 5, CellData::Down, "q");
  editor->InsertTextAt(-1, 0, CellData::Across, "q");
  editor->InsertTextAt(0, 2, CellData::Across, "pq");
  EXPECT_EQ(Letters(editor->Grid()), "# x y z\n# # # #\np q . .\n");
  auto onBlank = Editor(grid, GridEditor::LetterMode, {0, 0});
  onBlank->InsertText("abcd");
  EXPECT_EQ(Letters(onBlank->Grid()), "# . . .\n# # # #\n. . . .\n");
}

TEST(GridEditorTest, NewGridsGetNewIdsAndKeepPointerCellsInside) {
  GridEditor editor(TestGridDefaults);
  editor.SetGridSize(6, 6);
  editor.MouseMove(false, {5, 5});
  editor.MouseDown(Button::Left, false, false, {4, 5});
  const uint32_t first = editor.GridId();
  editor.SetGridSize(0, -3);
  EXPECT_EQ(editor.Grid().Cols(), 1);
  EXPECT_EQ(editor.Grid().Rows(), 1);
  EXPECT_EQ(editor.PressCell(), (CellPos{0, 0}));
  EXPECT_EQ(editor.PointerCell(), (CellPos{0, 0}));
  EXPECT_GT(editor.GridId(), first);
  EXPECT_NE(NewGridId(), NewGridId());
}

TEST(GridEditorTest, LoadingPutsTheGridInLetterModeOrLeavesItAlone) {
  TempFolder folder;
  ASSERT_EQ(MakeGrid("3x2\nabc\n###").SaveToFile(folder / "g.grd"), 0);
  GridEditor editor(TestGridDefaults);
  editor.SetGridSize(4, 4);
  editor.SetGridMode(GridEditor::BlankMode);
  EXPECT_EQ(editor.LoadGrid(folder.Write("bad.grd", "junk")), 2);
  EXPECT_EQ(editor.Grid().Cols(), 4);
  EXPECT_EQ(editor.Mode(), GridEditor::BlankMode);
  EXPECT_EQ(editor.CursorNumber(), GridEditor::BlankCursor);
  EXPECT_EQ(editor.LoadGrid(folder / "g.grd"), 0);
  EXPECT_EQ(editor.Mode(), GridEditor::LetterMode);
  EXPECT_EQ(editor.Grid().GetCurrentWordPattern(), "abc");
}

TEST(GridEditorTest, ColoursAndTextCase) {
  auto editor = Editor("3x2\nab.\n###", GridEditor::BlankMode);
  editor->CustomCellColour(0x0000FF);  // letter mode only
  EXPECT_EQ(editor->Grid().Cell(0, 0).colour, 0xFFFFFFu);
  editor->SetGridMode(GridEditor::LetterMode);
  editor->CustomCellColour(0x0000FF);
  EXPECT_EQ(CellFields(editor->Grid(), [](const CellData& c) { return c.colour == 0x0000FF; }), "1 1 1\n0 0 0\n");
  EXPECT_FALSE(editor->Grid().HasSelectedCells());
  editor->SetCellColour(0x00FF00);
  EXPECT_EQ(editor->Grid().Cell(0, 0).colour, 0x0000FFu);
  // The word stays chosen until a plain click; restoring then takes it again.
  editor->MouseDown(Button::Left, false, false, {0, 0});
  editor->RestoreCellColour();
  EXPECT_EQ(editor->Grid().Cell(0, 0).colour, 0x00FF00u);
  editor->SetTextCaseMode(GridData::TextUpper);
  EXPECT_EQ(Letters(editor->Grid()), "A B .\n# # #\n");
}

}  // namespace
