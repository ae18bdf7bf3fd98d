// Adding a word to a lexicon and removing one from it.

#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "lexbuild/LexMngmnt.h"
#include "lexbuild/LexbuildTextIds.h"
#include "lexbuild/ModifyDictThread.h"
#include "platform/Cp1252.h"
#include "platform/Host.h"
#include "search/lexicon/LexiconRewrite.h"
#include "search/selection/FindWordInLexicons.h"

namespace {

constexpr const char* kNotFoundText = "The word to be removed could not be found.";

}  // namespace

ViewUpdate LexMngmnt::cmdModifyClick(const LexMngmntControls& controls) {
  ViewUpdate update;
  const bool remove = mMode == kRemoveWordMode;
  const std::string& word = controls.word;
  const std::string insufficient = LoadResString(kInsufficientInformationCaption);
  if (word.empty()) {
    Box(kNoWordText, insufficient, MB_OK);
    return update;
  }
  if (const std::string refusal = InvalidWordText(word); !refusal.empty()) {
    Box(refusal, insufficient, MB_OK);
    update.focusWordEdit = true;
    return update;
  }
  VirtualLexList& list = mLexView.List();
  const std::string holders = FindWordInLexicons(word, list);
  if (controls.comboText.empty()) {
    Box("Please select a Lexicon.", insufficient, MB_OK);
    return update;
  }
  const std::string file = ChangeFileExt(controls.comboText, "lex");
  const std::string path = GetLexiconFilePath(file);
  const std::string fileName = ExtractFileName(path);
  if (!remove && holders.find("\n" + file) != std::string::npos) {
    Box(fileName + " already contains the word '" + Cp1252::ToUtf8(word) + "'",
        LoadResString(kErrorCaption), MB_OK);
    return update;
  }
  if (!remove && !holders.empty()) {
    const std::string question = "Your word can already be found in:\n" + holders +
                                 "\n\nDo you wish to add your word anyway?";
    if (Box(question, LoadResString(kWarningCaption), MB_YESNO) != IDYES) return update;
  }
  if (remove && holders.empty()) {
    Box(kNotFoundText, LoadResString(kWarningCaption), MB_OK);
    return update;
  }
  // Names are file-system bytes: compared exactly, as the file system tells them apart.
  bool isNew = false;
  if (std::find(controls.comboItems.begin(), controls.comboItems.end(), fileName) ==
      controls.comboItems.end()) {
    if (!AskNewLexicon()) return update;
    isNew = true;
  }

  // The result is read, and an emptied lexicon retired, only once the worker has ended.
  const int32_t result = RunModifyDict(word, path, remove, list, owner);
  list.ScanLexiconFolder();
  if (isNew) {
    const auto& records = list.Records();
    const auto record = FindLexiconByPath(records.begin(), records.end(), path);
    // A lexicon made outside the Lexicons folder is in no list to select it in.
    if (record != records.end()) {
      (*record)->SetFlag(true);
      SelectInView(path);
    }
  }
  update.refillCombo = true;
  update.comboSelection = fileName;
  RefreshBeforeBox(update);
  ShowModifyResult(result);
  update.focusWordEdit = true;
  return update;
}

bool LexMngmnt::AskNewLexicon() {
  if (mMode == kRemoveWordMode) {
    Box("Sorvane does not recognise your chosen dictionary. Please select a dictionary from the "
        "drop-down list.",
        LoadResString(kInsufficientInformationCaption), MB_OK);
    return false;
  }
  return Box("Do you wish to create a new lexicon", LoadResString(kNewLexiconCaption), MB_YESNO) ==
         IDYES;
}

void LexMngmnt::ShowModifyResult(int32_t result) {
  switch (result) {
    case kRewriteAlreadyHeld:
    case kRewriteCancelled:
    case kRewriteNotInstalled:
      return;
    case kRewriteNotHeld:
      Host::Current().Beep();
      Box(kNotFoundText, LoadResString(kLexiconUpdateFailedCaption), MB_OK | MB_ICONERROR);
      return;
    default:
      if (mMode == kRemoveWordMode) {
        Box("Word Removed Successfully", "Remove Word", MB_OK);
      } else {
        Box("Word Added Successfully", "Add Word", MB_OK);
      }
  }
}
