#include "crossword/GridMenuStates.h"

#include "crossword/GridEditor.h"

const char* const kSymmetryActions[10] = {
    "actSymmetry0", "actSymmetry1", "actSymmetry2", "actSymmetry3", "actSymmetry4",
    "actSymmetry5", "actSymmetry6", "actSymmetry7", "actSymmetry8", "actSymmetry9",
};
const char* const kTextCaseActions[3] = {"actCaseAsTyped", "actCaseUpper", "actCaseLower"};

std::vector<ActionState> GridMenuStates(const GridMenuInput& grid) {
  const bool any = grid.hasGrid;
  const bool letters = any && grid.mode == GridEditor::LetterMode;
  std::vector<ActionState> states = {
      {"actNewGrid", true, false},
      {"actOpenGrid", true, false},
      {"actSaveGrid", any, false},
      {"actResetGrid", any, false},
      {"actGetWordMatches", any, false},
      {"actIntersectedSearch", any, false},
      {"actGridModeEdit", any, letters},
      {"actGridModeBlank", any, any && grid.mode == GridEditor::BlankMode},
      {"actGridModeBar", any, any && grid.mode == GridEditor::BarMode},
      {"actColourSelection", letters, false},
      {"actRestoreColour", letters, false},
      {"actCopyGridBitmap", any, false},
      {"actClearWordLetters", letters, false},
      {"actClearAllLetters", letters, false},
      {"actSelectAllWords", letters, false},
  };
  for (uint8_t type = 0; type < 10; ++type) {
    states.push_back({kSymmetryActions[type], true, type == grid.symmetryType});
  }
  for (uint8_t textCase = 0; textCase < 3; ++textCase) {
    states.push_back({kTextCaseActions[textCase], true, textCase == grid.textCase});
  }
  return states;
}
