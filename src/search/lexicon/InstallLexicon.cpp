#include "search/lexicon/InstallLexicon.h"

#include "foundation/FileCopy.h"
#include "foundation/FileOps.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SaveTarget.h"
#include "platform/FileSys.h"

namespace {

constexpr int32_t kErrorCaption = 8324;
constexpr int32_t kUnableToRename = 16003;
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
  const bool replacing = fs.Exists(targetPath);
  if (!BackupFile(targetPath)) {
    DeleteFileIfExists(temporaryPath);
    return false;
  }
  if (MoveFileAcrossDrives(temporaryPath, targetPath) == 0) return true;

  // The move left the temporary where it was; the old lexicon goes back to its own name.
  if (replacing) fs.Rename(ChangeFileExt(targetPath, kBackupExt), targetPath);
  DeleteFileIfExists(temporaryPath);
  ShowInstallError(LoadResString(kUnableToRename) + "\n" + targetPath);
  return false;
}
