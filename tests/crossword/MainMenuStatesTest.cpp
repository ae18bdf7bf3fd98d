#include "crossword/MainMenuStates.h"

#include <gtest/gtest.h>

#include <string>

#include "crossword/GridEditor.h"
#include "search/results/Results.h"

namespace {
// The columns of the table below.
const char* const kItems[] = {
    "actSearch",      "actPause",          "actCloseSearch", "actSelectLexicons",
    "actSortAlpha",   "actSortLength",     "actSortFound",   "actSortReverse",
    "actCopyResults", "actManageLexicons", "actInsertWord",  "actGetWordMatches",
    "actSymmetry3",
};

// A 'Y' an item that is offered (or ticked), '-' one that is not, '=' one whose tick stays.
std::string Flags(const MainMenuStates& menu, bool ActionState::*flag) {
  std::string flags;
  for (const std::string item : kItems) {
    char mark = '?';
    for (size_t i = 0; i < menu.actions.size(); ++i) {
      if (menu.actions[i].name != item) continue;
      mark = flag == &ActionState::checked && menu.tickKept[i] ? '='
             : menu.actions[i].*flag                           ? 'Y'
                                                               : '-';
    }
    flags += mark;
  }
  return flags;
}
}  // namespace

TEST(MainMenuStatesTest, ItemsFollowTheTabInFrontEverySearchAndTheGrid) {
  const GridMenuInput noGrid{false, GridEditor::LetterMode, 3, 1};
  const GridMenuInput grid{true, GridEditor::LetterMode, 3, 1};
  struct Row {
    MainMenuInput input;
    const char* enabled;
    const char* checked;
  };
  const Row rows[] = {
      // No tab: nothing to search over, and no order of results to tick.
      {{false, false, false, false, kOrderByWord, true, false, grid},
       "Y--------Y-YY",
       "----====----Y"},
      // An idle tab, another tab searching: lexicons wait for that search.
      {{true, false, false, false, kOrderByWord, false, true, noGrid},
       "Y-YYYYYYY---Y",
       "----Y-------Y"},
      {{true, false, false, false, kOrderAsFound, true, false, grid},
       "Y-YYYYYYYYYYY",
       "------YY----Y"},
      // Searching, its thread running and paused.
      {{true, true, true, true, kOrderByLengthThenWord, false, true, grid},
       "YYY--------YY",
       "-Y---Y------Y"},
      // Its thread ended but the search not yet finished: no pausing, the tick as it was.
      {{true, true, false, true, kOrderByWord, false, true, grid},
       "Y-Y--------YY",
       "-Y--Y-------Y"},
  };
  for (const Row& row : rows) {
    const MainMenuStates menu = DecideMainMenu(row.input);
    EXPECT_EQ(Flags(menu, &ActionState::enabled), row.enabled) << row.enabled;
    EXPECT_EQ(Flags(menu, &ActionState::checked), row.checked) << row.checked;
    EXPECT_EQ(menu.searchStops, row.input.hasTab && row.input.searching) << row.enabled;
  }
}
