// Paths in the Temp and Lexicons folders named by the settings.

#include "foundation/FolderPaths.h"

#include "foundation/FileCopy.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/TempFolderMark.h"
#include "foundation/TempNames.h"

namespace {

// A name that already holds a folder is taken as a full path.
std::string InFolder(int32_t folderSetting, const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  return Settings::Instance().GetString(folderSetting) + "/" + name;
}

}  // namespace

std::string GetTempFilePath(const std::string& name) {
  return InFolder(SettingId::FolderTemp, name);
}

std::string GetLexiconFilePath(const std::string& name) {
  return InFolder(SettingId::FolderLexicons, name);
}

// Working files carry this process's mark, so that the files of one that dies are swept.
std::string MakeTempFilePath() {
  const std::string folder = Settings::Instance().GetString(SettingId::FolderTemp);
  return folder + "/" + MakeUniqueName() + TempFolderMark(folder);
}

std::string ClaimTempFilePath(const std::string& extension) {
  const std::string folder = Settings::Instance().GetString(SettingId::FolderTemp);
  // The mark goes between the name drawn and the extension, as in MakeTempFilePath.
  return ClaimUniquePath(folder + "/", TempFolderMark(folder) + extension);
}

// A working file's name ("$$…") means nothing to the user, and the folder it lies in is the one
// that is full or cannot be written.
std::string WriteFailureText(const std::string& path) {
  const std::string tempFolder = Settings::Instance().GetString(SettingId::FolderTemp);
  if (SameFile(ExtractFilePath(path), tempFolder)) {
    return LoadResString(kUnableToWriteTempFolderText) + tempFolder;
  }
  return LoadResString(kUnableToWriteFileText) + path;
}
