// Paths in the Temp and Lexicons folders named by the settings.

#include "foundation/FileUtils.h"
#include "foundation/Settings.h"

namespace {

constexpr int32_t kFolderLexiconsKey = 18539;  // "Folder-Lexicons"
constexpr int32_t kFolderTempKey = 18540;      // "Folder-Temp"

// A name that already holds a folder is taken as a full path.
std::string InFolder(int32_t folderKey, const std::string& name) {
  if (name.find('/') != std::string::npos) return name;
  return Settings::Instance().GetString(folderKey) + "/" + name;
}

}  // namespace

std::string GetTempFilePath(const std::string& name) { return InFolder(kFolderTempKey, name); }

std::string GetLexiconFilePath(const std::string& name) {
  return InFolder(kFolderLexiconsKey, name);
}

std::string MakeTempFilePath() { return GetTempFilePath(MakeUniqueName()); }
