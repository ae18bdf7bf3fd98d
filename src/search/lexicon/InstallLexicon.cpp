#include "search/lexicon/InstallLexicon.h"

#include "foundation/FileCopy.h"
#include "foundation/FileOps.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SaveTarget.h"
#include "platform/FileSys.h"

namespace {

constexpr const char* kBackupExt = "lxb";

void ShowInstallError(const std::string& text) {
  ShowMessageBox(text, LoadResString(kErrorCaption), MB_OK | MB_ICONERROR);
}

}  // namespace

bool IsInstallableTarget(const std::string& path) { return IsWritableTarget(path); }

bool InstallLexicon(const std::string& temporaryPath, const std::string& targetPath) {
  FileSys& fs = FileSys::Current();
  if (!IsInstallableTarget(targetPath)) {
    DeleteFileIfExists(temporaryPath);
    ShowInstallError("Unable to Open File " + targetPath);
    return false;
  }
  // The backup is a second name of the old lexicon, so that the new one replaces it in one
  // step and the target holds a whole lexicon at every moment.
  const bool replacing = fs.Exists(targetPath);
  if (!BackupFileKeepingIt(targetPath)) {
    DeleteFileIfExists(temporaryPath);
    return false;
  }
  if (MoveFileAcrossDrives(temporaryPath, targetPath) == 0) return true;

  // The move left the temporary where it was and the old lexicon at its own name.
  if (replacing) fs.Remove(ChangeFileExt(targetPath, kBackupExt));
  DeleteFileIfExists(temporaryPath);
  ShowInstallError(LoadResString(kUnableToRenameFileText) + "\n" + targetPath);
  return false;
}
