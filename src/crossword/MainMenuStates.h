#pragma once
// What the main window's menus offer: which actions can be chosen and which show a tick, from
// the state of the search tab in front, of every search, and of the grid in front.

#include <cstdint>
#include <vector>

#include "crossword/GridMenuStates.h"

struct MainMenuInput {
  bool hasTab = false;         // a search tab is in front
  bool searching = false;      // its search has started and not yet finished
  bool threadRunning = false;  // its search thread still runs (a pause needs one)
  bool paused = false;
  uint8_t ordering = 0;  // the order its results are shown in (Results::EffectiveOrdering)
  bool reverse = false;
  bool anySearchRunning = false;  // in any tab
  GridMenuInput grid;
};

struct MainMenuStates {
  // Always the same actions in the same order, so that a window can pair them with its own
  // once. An action whose tick nothing decides (no tab to take it from) keeps the one it shows.
  std::vector<ActionState> actions;
  std::vector<bool> tickKept;
  bool searchStops = false;  // the Search item stops the running search
};

// While the search in front runs, its results, their order and the lexicons it reads stay as
// they are; lexicons change under no running search at all.
MainMenuStates DecideMainMenu(const MainMenuInput& input);
