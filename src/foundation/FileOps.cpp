// Deleting, backing up and creating: the file operations that report through message boxes or
// not at all. Every call goes through FileSys so that tests reach the failures even as root.

#include "foundation/FileOps.h"
#include "foundation/FileCopy.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "platform/FileSys.h"

namespace {

constexpr const char* kBackupExt = "lxb";

void ShowFileError(int32_t textId, const std::string& path) {
  ShowMessageBox(LoadResString(textId) + "\n" + path, LoadResString(kFileErrorFullStopCaption),
                 MB_OK | MB_ICONERROR);
}

void ShowFolderError(int32_t textId, const std::string& path) {
  ShowMessageBox(LoadResString(textId) + path, "", MB_OK | MB_ICONERROR);
}

}  // namespace

void DeleteMatchingFiles(const std::string& pattern) {
  FileSys& fs = FileSys::Current();
  const std::string folder = ExtractFilePath(pattern);
  for (const std::string& name : fs.ListMatching(folder, ExtractFileName(pattern))) {
    const std::string path = folder + name;
    if (fs.Exists(path)) fs.Remove(path);
  }
}

int32_t DeleteFileIfExists(const std::string& name) {
  FileSys& fs = FileSys::Current();
  if (!fs.Exists(name)) return -1;
  return fs.Remove(name);
}

namespace {

// Makes room for path's backup; false, with the box shown, when an old one cannot go.
bool RemoveOldBackup(const std::string& backup) {
  FileSys& fs = FileSys::Current();
  if (!fs.Exists(backup) || fs.Remove(backup) == 0) return true;
  ShowFileError(kUnableToDeleteFileText, backup);
  return false;
}

}  // namespace

bool BackupFile(const std::string& path) {
  FileSys& fs = FileSys::Current();
  const std::string backup = ChangeFileExt(path, kBackupExt);
  // A file that already is its own backup stays; deleting the "old backup" would delete it.
  if (backup == path) return true;
  if (!RemoveOldBackup(backup)) return false;
  if (fs.Exists(path) && fs.Rename(path, backup) != 0) {
    ShowFileError(kUnableToRenameFileText, path);
    return false;
  }
  return true;
}

bool BackupFileKeepingIt(const std::string& path) {
  FileSys& fs = FileSys::Current();
  const std::string backup = ChangeFileExt(path, kBackupExt);
  if (backup == path || !fs.Exists(path)) return true;
  if (!RemoveOldBackup(backup)) return false;
  if (fs.Link(path, backup) == 0) return true;
  try {
    CopyFileContents(path, backup);
    return true;
  } catch (const SorvaneException& failure) {
    // A full disk, most likely: the user is told which file could not be written.
    ShowMessageBox(failure.what(), LoadResString(kFileErrorFullStopCaption), MB_OK | MB_ICONERROR);
    return false;
  }
}

bool CreateDirectoryChecked(const std::string& path) {
  FileSys& fs = FileSys::Current();
  if (fs.Exists(path)) {
    if (fs.IsDirectory(path)) return true;
    ShowFolderError(kFolderNameInUseText, path);
    return false;
  }
  // Another copy of the program starting at the same moment may have made it first.
  if (!fs.MakeDirectory(path) && !fs.IsDirectory(path)) {
    ShowFolderError(kUnableToCreateFolderText, path);
    return false;
  }
  return true;
}
