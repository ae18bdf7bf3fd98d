#include "crossword/GridMenuStates.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "crossword/GridEditor.h"

namespace {
// The columns of the table below.
const char* const kItems[] = {
    "actSaveGrid",        "actGridModeEdit",   "actGridModeBlank",  "actGridModeBar",
    "actColourSelection", "actRestoreColour",  "actCopyGridBitmap", "actClearWordLetters",
    "actClearAllLetters", "actSelectAllWords", "actSymmetry0",      "actSymmetry2",
    "actCaseAsTyped",     "actCaseLower",
};

// A 'Y' an item whose flag is set, '-' one whose flag is not.
std::string Flags(const GridMenuInput& grid, bool ActionState::*flag) {
  const std::vector<ActionState> states = GridMenuStates(grid);
  std::string flags;
  for (const std::string item : kItems) {
    const auto it = std::find_if(states.begin(), states.end(),
                                 [&](const ActionState& state) { return state.name == item; });
    flags += it == states.end() ? '?' : (*it).*flag ? 'Y' : '-';
  }
  return flags;
}
}  // namespace

TEST(GridMenuStatesTest, ItemsAreOfferedWhereTheyApplyAndTickedAsTheGridStands) {
  struct Row {
    GridMenuInput grid;
    const char* enabled;
    const char* checked;
  };
  const Row rows[] = {
      {{false, GridEditor::LetterMode, 2, 0}, "----------YYYY", "-----------YY-"},
      {{true, GridEditor::LetterMode, 0, 2}, "YYYYYYYYYYYYYY", "-Y--------Y--Y"},
      {{true, GridEditor::BlankMode, 9, 1}, "YYYY--Y---YYYY", "--Y-----------"},
      {{true, GridEditor::BarMode, 2, 1}, "YYYY--Y---YYYY", "---Y-------Y--"},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(Flags(row.grid, &ActionState::enabled), row.enabled) << row.enabled;
    EXPECT_EQ(Flags(row.grid, &ActionState::checked), row.checked) << row.checked;
  }
}

TEST(GridMenuStatesTest, OneSymmetryRuleAndOneTextCaseAreTicked) {
  for (uint8_t rule = 0; rule < 10; ++rule) {
    std::string ticked;
    for (const ActionState& state : GridMenuStates({true, GridEditor::BarMode, rule, 0})) {
      if (state.checked) ticked += std::string(state.name) + " ";
    }
    EXPECT_EQ(ticked, std::string("actGridModeBar ") + kSymmetryActions[rule] + " actCaseAsTyped ");
  }
}
