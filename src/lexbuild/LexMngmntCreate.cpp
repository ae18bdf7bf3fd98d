// Creating a lexicon from a word list. The chain of jobs, with the check lexicons and the
// installation, is the lexicon builder's; here are the dialog's questions around it.

#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "lexbuild/CreateLexicon.h"
#include "lexbuild/LexMngmnt.h"
#include "lexbuild/LexbuildTextIds.h"
#include "platform/FileSys.h"

namespace {

constexpr const char* kNoCheckLexiconsText =
    "You have Checked the 'Add Unique Words Only' checkbox \n but have not selected any Lexicons "
    "to check against. If \n you choose OK Sorvane will continue but will not check\nwords "
    "against any existing Lexicons before adding them to the \nnew Lexicon";

}  // namespace

ViewUpdate LexMngmnt::cmdCreateClick(const LexMngmntControls& controls) {
  ViewUpdate update;
  mWordListFile = controls.fileName;
  mLexiconPath = controls.lexiconName;
  if (mWordListFile.empty() || mLexiconPath.empty()) {
    Box("You must supply a File Name and a Lexicon Name.",
        LoadResString(kInsufficientInformationCaption), MB_OK);
    return update;
  }
  mLexiconPath = GetLexiconFilePath(ChangeFileExt(mLexiconPath, "lex"));
  FileSys& fileSys = FileSys::Current();
  if (!fileSys.Exists(mWordListFile)) {
    Box("Unable to find File: " + ExtractFileName(mWordListFile), LoadResString(kErrorCaption),
        MB_OK);
    return update;
  }
  bool uniqueOnly = controls.uniqueOnly;
  if (uniqueOnly && mCheckLexicons.empty()) {
    if (Box(kNoCheckLexiconsText, LoadResString(kWarningCaption), MB_OKCANCEL) != IDOK)
      return update;
    update.untickUniqueOnly = true;
    uniqueOnly = false;
  }
  if (fileSys.Exists(mLexiconPath) &&
      Box("Lexicon already exists. Overwrite?", LoadResString(kWarningCaption), MB_YESNO) != IDYES)
    return update;
  if (!CreateLexiconFromFile(uniqueOnly)) return update;
  // A lexicon built outside the Lexicons folder is in no list to mark or select it in.
  const auto& records = mLexView.List().Records();
  const auto record = FindLexiconByPath(records.begin(), records.end(), mLexiconPath);
  if (record == records.end()) return update;
  (*record)->SetFlag(true);
  SelectInView(mLexiconPath);
  return update;
}

bool LexMngmnt::CreateLexiconFromFile(bool uniqueOnly) {
  LexiconBuild build;
  build.wordListPath = mWordListFile;
  build.lexiconPath = mLexiconPath;
  if (uniqueOnly) build.checkLexicons = mCheckLexicons;
  build.strictChecking = mStrictChecking;
  build.owner = owner;
  // Told only once the lexicon is in place.
  if (!::CreateLexiconFromFile(build, mLexView.List())) return false;
  Box("Lexicon Created Successfully", LoadResString(kCreatingLexiconText), MB_OK);
  return true;
}
