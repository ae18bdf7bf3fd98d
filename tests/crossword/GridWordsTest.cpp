// Numbering, membership, the current word and its direction, word texts, the words chosen for a
// crossing search and the numbered-cell jumps.

#include <gtest/gtest.h>

#include <tuple>

#include "crossword/GridPictures.h"
#include "platform/ScriptedHost.h"
#include "search/request/SelectedWords.h"

namespace {

// Two across words split by a bar, a down word cut short by a top bar, one-cell runs and a
// cell in no word at all (bottom right).
//   . .|. .
//   . # . #
//  ^. . # .
const char* const kBarsAndBlanks = "4x3\n..|..\n.#.#\n^..#.";

std::string Numbers(const GridData& grid) { return CellFields(grid, [](const CellData& c) { return c.number; }); }
std::string Membership(const GridData& grid) { return CellFields(grid, [](const CellData& c) { return c.membership; }); }
std::string InWord(const GridData& grid) { return CellFields(grid, [](const CellData& c) { return c.inCurrentWord; }); }

TEST(GridWordsTest, NumbersAndMembershipFollowBlanksBarsAndEdges) {
  struct Case {
    const char* description;
    const char* numbers;
    const char* membership;
    const char* wordList;
  } const cases[] = {
      {kBarsAndBlanks, "1 0 2 0\n0 0 0 0\n3 0 0 0\n", "3 1 3 1\n2 3 2 3\n1 1 3 2\n",
       "Across:\n1. ??\n2. ??\n3. ??\n\nDown:\n1. ??\n2. ??\n"},
      // One row: across words are numbered, yet every cell counts as membership 2.
      {"5x1\nab#c.", "1 0 0 2 0\n", "2 2 2 2 2\n", "Across:\n1. ab\n2. c?\n\nDown:\n"},
      {"1x4\n.\nx\n#\n.", "1\n0\n0\n0\n", "2\n2\n2\n2\n", "Across:\n\nDown:\n1. ?x\n"},
      {"1x1\n.", "0\n", "2\n", "Across:\n\nDown:\n"},
      {"3x3\n#.#\n.#.\n#.#", "0 0 0\n0 0 0\n0 0 0\n", "3 2 3\n2 3 2\n3 2 3\n", "Across:\n\nDown:\n"},
  };
  for (const Case& c : cases) {
    const GridData grid = MakeGrid(c.description);
    EXPECT_EQ(Numbers(grid), c.numbers) << c.description;
    EXPECT_EQ(Membership(grid), c.membership) << c.description;
    EXPECT_EQ(grid.GetWordList(), c.wordList) << c.description;
  }
}

TEST(GridWordsTest, ACellInNoWordIsItsOwnCurrentWord) {
  GridData grid = MakeGrid(kBarsAndBlanks);
  grid.SelectWordAt(3, 2, false, true);
  EXPECT_EQ(grid.direction, CellData::Down);
  EXPECT_EQ(grid.WordStart(), (CellPos{3, 2}));
  EXPECT_EQ(grid.WordLength(), 1);
  EXPECT_EQ(InWord(grid), "0 0 0 0\n0 0 0 0\n0 0 0 1\n");
}

// What a click does to the model: the clicked cell becomes current, the old one previous.
void Click(GridData& grid, CellPos cell, bool allowFlip = true) {
  grid.previous = grid.current;
  grid.current = cell;
  grid.SelectWordAt(cell.col, cell.row, true, allowFlip);
}

TEST(GridWordsTest, ARepeatedCrossingCellFlipsTheDirectionAndARightClickDoesNot) {
  GridData grid = MakeGrid(kBarsAndBlanks);
  grid.current = {1, 2};
  std::vector<uint8_t> directions;
  for (bool allowFlip : {true, true, true, false, false}) {
    Click(grid, {0, 0}, allowFlip);
    directions.push_back(grid.direction);
  }
  EXPECT_EQ(directions, (std::vector<uint8_t>{1, 2, 1, 1, 1}));
  Click(grid, {0, 0});
  EXPECT_EQ(grid.WordEnd(), (CellPos{0, 1}));
  EXPECT_EQ(InWord(grid), "1 0 0 0\n1 0 0 0\n0 0 0 0\n");
  EXPECT_EQ(grid.GetCurrentWordPattern(), "??");
  // A cell in one word takes that word's direction, however often it is clicked.
  Click(grid, {1, 0});
  Click(grid, {1, 0});
  EXPECT_EQ(grid.direction, CellData::Across);
}

TEST(GridWordsTest, AnExplicitChoiceAtADownStartTakesTheDownWord) {
  GridData grid = MakeGrid("3x3\n...\n...\n...");
  grid.current = {2, 2};
  Click(grid, {1, 0});  // across member, but only the down word starts here
  EXPECT_EQ(grid.direction, CellData::Down);
  EXPECT_EQ(InWord(grid), "0 1 0\n0 1 0\n0 1 0\n");
}

TEST(GridWordsTest, WordTextsMarkCellsWhereBothSelectedWordsCross) {
  GridData grid = MakeGrid("3x3\n.C.\n...\n...");
  grid.ToggleAcrossWordSelection(0, 0);
  grid.ToggleDownWordSelection(0, 0);
  EXPECT_EQ(grid.GetAcrossWord(0, 0, true), "%C?");
  EXPECT_EQ(grid.GetAcrossWord(0, 0, false), "?C?");
  EXPECT_EQ(grid.GetDownWord(0, 0, true), "%??");
  grid.direction = CellData::Across;
  grid.SelectAcrossWord(0, 0);
  EXPECT_EQ(grid.GetCurrentWordPattern(), "?C?");

  ScriptedHost host;
  ScopedHost scope(host);
  SelectedWords words;
  grid.GetSelectedWords(words);
  ASSERT_EQ(words.words.size(), 2u);
  EXPECT_EQ(words.words[0].direction, SelectedWord::kAcross);
  EXPECT_EQ(words.words[0].pattern, "?C?");
  EXPECT_EQ(words.words[1].direction, SelectedWord::kDown);
  EXPECT_TRUE(host.Boxes().empty());
}

TEST(GridWordsTest, SelectedWordsComeInReadingOrderAcrossBeforeDown) {
  GridData grid = MakeGrid("3x3\n...\n.#.\n...");
  grid.SelectAllWords();
  EXPECT_EQ(CellFields(grid, [](const CellData& c) { return c.wordSelection; }), "3 1 3\n2 0 2\n3 1 3\n");
  EXPECT_FALSE(grid.Cell(1, 1).selected);
  SelectedWords words;
  grid.GetSelectedWords(words);
  std::vector<std::tuple<uint32_t, uint32_t, uint8_t>> order;
  for (const SelectedWord& word : words.words) order.emplace_back(word.column, word.row, word.direction);
  EXPECT_EQ(order, (std::vector<std::tuple<uint32_t, uint32_t, uint8_t>>{
                       {0, 0, 1}, {0, 0, 2}, {2, 0, 2}, {0, 2, 1}}));
  grid.ClearWordSelection();
  EXPECT_FALSE(grid.HasSelectedWords());
  EXPECT_TRUE(grid.HasSelectedCells());  // the marks stay
}

TEST(GridWordsTest, TogglingTheCurrentWordOnABlankSelectsNothing) {
  GridData grid = MakeGrid("3x1\n#..");
  grid.ResetCurrentWord(0, 0);
  grid.ToggleCurrentWordSelection();
  EXPECT_FALSE(grid.HasSelectedWords());
}

TEST(GridWordsTest, NumberedJumpsWrapAndBeepWhenAlone) {
  ScriptedHost host;
  ScopedHost scope(host);
  const GridData grid = MakeGrid(kBarsAndBlanks);  // numbers at (0,0), (2,0), (0,2)
  struct Case {
    CellPos (GridData::*jump)(int32_t, int32_t) const;
    CellPos from;
    CellPos to;
  } const cases[] = {
      {&GridData::NextNumberedCellAcross, {2, 0}, {0, 2}},
      {&GridData::NextNumberedCellAcross, {3, 2}, {0, 0}},
      {&GridData::PrevNumberedCellAcross, {0, 0}, {0, 2}},
      {&GridData::PrevNumberedCellAcross, {1, 2}, {0, 2}},
      {&GridData::NextNumberedCellDown, {0, 0}, {0, 2}},
      {&GridData::NextNumberedCellDown, {0, 2}, {2, 0}},
      {&GridData::NextNumberedCellDown, {3, 2}, {0, 0}},
      {&GridData::PrevNumberedCellDown, {0, 0}, {2, 0}},
  };
  for (const Case& c : cases) EXPECT_EQ((grid.*c.jump)(c.from.col, c.from.row), c.to) << c.from.col << "," << c.from.row;
  EXPECT_EQ(host.Beeps(), 0);

  const GridData alone = MakeGrid("3x1\n..#");
  EXPECT_EQ(alone.NextNumberedCellAcross(0, 0), (CellPos{0, 0}));
  EXPECT_EQ(alone.PrevNumberedCellDown(0, 0), (CellPos{0, 0}));
  EXPECT_EQ(host.Beeps(), 2);
}

}  // namespace
