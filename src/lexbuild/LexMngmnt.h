#pragma once
// The decisions of the lexicon management dialog: what each of its operations asks, in which
// order, what it runs and what it changes. The dialog reads its controls into LexMngmntControls,
// calls one operation and applies the ViewUpdate it returns; every box goes through Host, owned
// by the dialog.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "search/selection/VirtualLexListView.h"

// Shown when an operation needs a word and the word edit is empty.
inline constexpr const char* kNoWordText =
    "You must specify a word in the 'Enter Word' edit control.";

// The operation the showing tab runs on OK.
enum LexMngmntMode : uint8_t { kAddWordMode = 0, kRemoveWordMode = 1, kMergeMode = 2, kCreateMode = 3 };

// The OK button's caption and the help topic of a mode; null caption outside 0-3.
struct LexMngmntModeInfo {
  const char* okCaption;
  int32_t helpContext;
};
LexMngmntModeInfo ModeInfo(uint8_t mode);

// What an operation reads of the dialog's controls.
struct LexMngmntControls {
  std::string word;                         // the word edit of the word tab last shown
  std::string comboText;                    // the lexicon combo of that tab: its text
  std::vector<std::string> comboItems;      // and its items
  std::vector<std::string> mergeSelection;  // the merge list's selected items, in list order
  std::string newDictName;                  // newDictEdit
  bool deleteDicts = false;                 // chkDeleteDicts
  std::string fileName;                     // txtFileName
  std::string lexiconName;                  // txtLexiconName
  bool uniqueOnly = false;                  // chkUniqueOnly
};

// What the dialog must change afterwards.
struct ViewUpdate {
  bool focusWordEdit = false;
  bool refillCombo = false;   // refill the word tab's combo, then select comboSelection in it
  std::string comboSelection;  // none when empty or not among the items
  bool refillMergeList = false;  // refill the merge list, nothing selected
  bool untickUniqueOnly = false;
};

class LexMngmnt {
 public:
  // dialog: the window the boxes and progress dialogs are shown on (opaque).
  LexMngmnt(VirtualLexListView& lexView, const void* dialog);

  // The file names of the selection's lexicons, in its order: the combos' and the merge list's
  // items.
  std::vector<std::string> LexiconNames() const;
  // Sets the program's help topic from mMode (nothing outside 0-3).
  void UpdateHelpContext() const;

  // Runs the operation of mMode. Any failure is shown in a box captioned "Error" and the dialog
  // goes on; the dialog disables its buttons around the call.
  ViewUpdate cmdOKClick(const LexMngmntControls& controls);

  // Add and remove (modes 0 and 1).
  ViewUpdate cmdModifyClick(const LexMngmntControls& controls);
  bool AskNewLexicon();
  void ShowModifyResult(int32_t result);

  // Create from a word list (mode 3). The chain merges two or more check lexicons into a
  // temporary one itself, and deletes it on every way out.
  ViewUpdate cmdCreateClick(const LexMngmntControls& controls);
  // True once the new lexicon is installed, which "Lexicon Created Successfully" then tells.
  bool CreateLexiconFromFile(bool uniqueOnly);

  // Where is: which lexicons hold the word of the word tab last shown. Shows every failure.
  void cmdWhereIsClick(const std::string& word);
  // Merge (mode 2).
  ViewUpdate MergeLexicons(const LexMngmntControls& controls);

  // Ticking "Add Unique Words Only" opens the check dialog; unticking keeps the choice unused.
  static bool OpensCheckDialog(bool ticked) { return ticked; }
  // The check dialog's choice replaces the previous one.
  void SetCheckLexicons(std::vector<std::string> paths, bool strict);

  // Applies an update's refills at once (set by the dialog): the lists are refilled before the
  // box that tells an outcome, never shown over a list that still names what has gone. The
  // refills applied are cleared from the update returned.
  std::function<void(const ViewUpdate&)> refreshView;

  VirtualLexListView& mLexView;
  std::vector<std::string> mCheckLexicons;  // full paths
  bool mStrictChecking = false;
  uint8_t mMode = kAddWordMode;
  std::string mLexiconPath;
  std::string mWordListFile;

 private:
  int Box(const std::string& text, const std::string& caption, unsigned flags) const;
  void RefreshBeforeBox(ViewUpdate& update) const;
  // Selects the lexicon at path in mLexView when it is listed; false when it is not.
  bool SelectInView(const std::string& path);

  const void* owner;
};

// Runs an event handler of the dialog: any exception it lets out is shown in a box captioned
// "Error" on the owner. True when the handler returned normally.
bool RunHandler(const void* owner, const std::function<void()>& handler);
