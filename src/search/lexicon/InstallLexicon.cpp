#include "search/lexicon/InstallLexicon.h"

#include <filesystem>
#include <optional>

#include "foundation/FileCopy.h"
#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SaveTarget.h"
#include "foundation/SorvaneException.h"
#include "foundation/StagedSave.h"
#include "platform/FileSys.h"
#include "search/lexicon/Dictionary.h"

namespace {

constexpr const char* kBackupExt = "lxb";

void ShowInstallError(const std::string& text) {
  ShowMessageBox(text, LoadResString(kErrorCaption), MB_OK | MB_ICONERROR);
}

}  // namespace

bool IsInstallableTarget(const std::string& path) { return IsWritableTarget(path); }

void CheckLexiconAtTarget(const std::string& path) {
  std::error_code error;
  // What is no regular file is the install's to refuse, with its own message.
  if (std::filesystem::is_regular_file(path, error)) Dictionary(path).CheckLexicon();
}

// The new lexicon is staged beside the one it replaces (the file a link names, so that the link
// stays) and takes its place with its permissions. The old lexicon's backup is a second name of
// it, so that the new one replaces it in one step and the target holds a whole lexicon at every
// moment.
bool InstallLexicon(const std::string& temporaryPath, const std::string& targetPath) {
  std::optional<StagedSave> staged;
  try {
    staged.emplace(targetPath);
  } catch (const SorvaneException& refused) {
    DeleteFileIfExists(temporaryPath);
    ShowInstallError(refused.what());
    return false;
  }
  // From another file system this is a copy, which a full disk ends.
  if (MoveFileAcrossDrives(temporaryPath, staged->Path()) != 0) {
    DeleteFileIfExists(temporaryPath);
    ShowInstallError(WriteFailureText(targetPath));
    return false;
  }
  FileSys& fs = FileSys::Current();
  const std::string& target = staged->Target();
  const bool replacing = fs.Exists(target);
  if (!BackupFileKeepingIt(target)) return false;
  if (staged->MoveIn()) return true;

  // The old lexicon is still at its own name.
  if (replacing) fs.Remove(ChangeFileExt(target, kBackupExt));
  ShowInstallError(LoadResString(kUnableToRenameFileText) + "\n" + targetPath);
  return false;
}
