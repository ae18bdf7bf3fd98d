// Merging two or more lexicons into a new one. Nothing is retired before the merged lexicon is
// in place, and a failure never reports success.

#include "foundation/FileCopy.h"
#include "foundation/FileOps.h"
#include "foundation/FileWriteLock.h"
#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "lexbuild/LexMngmnt.h"
#include "lexbuild/LexbuildTextIds.h"
#include "platform/FileSys.h"
#include "platform/PlatformTextIds.h"
#include "search/lexicon/InstallLexicon.h"
#include "search/merge/MergeLexiconsThread.h"

namespace {

// The merge job's output, never left in the Temp folder.
bool RunMerge(const std::vector<std::string>& sources, const std::string& output,
              VirtualLexList& list, const void* owner) {
  ProgressDialog dialog(owner, std::make_unique<MergeLexiconsThread>(sources, output, list));
  dialog.SetMessage(LoadResString(kMergingLexiconsText));
  dialog.Start();
  return !dialog.WasCancelled() && dialog.GetResult() != -1;
}

// A source becomes its "lxb" backup, as the list retires a lexicon.
void RetireSource(const std::string& source) {
  BackupFile(source);
  if (FileSys::Current().Exists(source)) FileSys::Current().Remove(source);
}

}  // namespace

ViewUpdate LexMngmnt::MergeLexicons(const LexMngmntControls& controls) {
  ViewUpdate update;
  const std::string insufficient = LoadResString(kInsufficientInformationCaption);
  if (controls.mergeSelection.size() < 2) {
    Box("You must select 2 or more Lexicons from the lexicon list to merge together", insufficient,
        MB_OK);
    return update;
  }
  if (controls.newDictName.empty()) {
    Box("You must enter the name of your new Lexicon", insufficient, MB_OK);
    return update;
  }
  const std::string target = GetLexiconFilePath(ChangeFileExt(controls.newDictName, "lex"));
  CheckLexiconAtTarget(target);
  FileSys& fileSys = FileSys::Current();
  if (fileSys.Exists(target) &&
      Box("Lexicon already exists. Overwrite?", LoadResString(kConfirmCaption), MB_YESNO) != IDYES)
    return update;
  std::vector<std::string> sources;
  for (const std::string& item : controls.mergeSelection) sources.push_back(GetLexiconFilePath(item));

  // From the sources' first read (the target may be one of them) to the install.
  const FileWriteLock lock(target);
  if (!lock.Granted()) return update;
  const std::string output = ClaimTempFilePath("");
  VirtualLexList& list = mLexView.List();
  if (!RunMerge(sources, output, list, owner)) {
    DeleteFileIfExists(output);
    return update;
  }
  const bool retireSources =
      controls.deleteDicts &&
      Box("Delete Merged Lexicons.", LoadResString(kConfirmCaption), MB_YESNO) == IDYES;
  // The installation has told the user why it failed; sources and target are as they were.
  if (!InstallLexicon(output, target)) return update;
  if (retireSources) {
    // A source that was the target (by any name) already lives on in the target's backup.
    for (const std::string& source : sources)
      if (!SameFile(source, target)) RetireSource(source);
  }
  list.ScanLexiconFolder();
  update.refillMergeList = true;
  RefreshBeforeBox(update);
  Box("Lexicons Merged Successfully", LoadResString(kMergingLexiconsText), MB_OK);
  return update;
}
