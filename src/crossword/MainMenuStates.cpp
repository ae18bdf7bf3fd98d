#include "crossword/MainMenuStates.h"

#include "search/results/Results.h"

MainMenuStates DecideMainMenu(const MainMenuInput& input) {
  const bool searching = input.hasTab && input.searching;
  const bool idle = input.hasTab && !input.searching;
  MainMenuStates menu;
  menu.searchStops = searching;
  auto add = [&menu](const ActionState& state, bool tickKept = false) {
    menu.actions.push_back(state);
    menu.tickKept.push_back(tickKept);
  };
  add({"actSearch", true, false});
  add({"actPause", searching && input.threadRunning, searching && input.paused});
  add({"actNewSearch", true, false});
  add({"actCloseSearch", input.hasTab, false});
  add({"actSelectLexicons", idle, false});
  // The order is the results' own, so without a tab there is none to show.
  add({"actSortAlpha", idle, input.ordering == kOrderByWord}, !input.hasTab);
  add({"actSortLength", idle, input.ordering == kOrderByLengthThenWord}, !input.hasTab);
  add({"actSortFound", idle, input.ordering == kOrderAsFound}, !input.hasTab);
  add({"actSortReverse", idle, input.reverse}, !input.hasTab);
  for (const char* name :
       {"actSaveResults", "actOpenResults", "actExportResults", "actCopyResults"}) {
    add({name, idle, false});
  }
  add({"actManageLexicons", !input.anySearchRunning, false});
  add({"actInsertWord", input.grid.hasGrid && idle, false});
  for (const ActionState& state : GridMenuStates(input.grid)) add(state);
  return menu;
}
