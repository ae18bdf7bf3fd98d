#pragma once
// What the Grid menu offers for the grid in front: which items can be chosen and which show a
// tick. The symmetry rule is one for every grid; the text case and the mode are the grid's own.

#include <cstdint>
#include <vector>

struct GridMenuInput {
  bool hasGrid = false;
  uint8_t mode = 0;          // GridEditor::eGridMode of the grid in front
  uint8_t symmetryType = 0;  // the rule every grid follows ("Grid Symmetry")
  uint8_t textCase = 1;      // the grid's own; "Grid Text Case" when there is none
};

// One menu item, by the name of its action.
struct ActionState {
  const char* name;
  bool enabled;
  bool checked;
};

// The symmetry items by rule (0-9) and the text-case items by GridData::eTextCaseMode (0-2).
extern const char* const kSymmetryActions[10];
extern const char* const kTextCaseActions[3];

// Every grid item but Insert Word in Grid, which follows the search tab in front. The colour
// and letter-clearing items and Select All Words act on words, so only in letter mode; symmetry
// and text case are settings for new grids too, so also without one.
std::vector<ActionState> GridMenuStates(const GridMenuInput& grid);
