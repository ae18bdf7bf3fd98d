#include "foundation/OwnedTempFiles.h"

#include <algorithm>

#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"

std::string OwnedTempFiles::Claim(const std::string& extension) {
  owned.push_back(ClaimTempFilePath(extension));
  return owned.back();
}

void OwnedTempFiles::GiveUp(const std::string& path) {
  owned.erase(std::remove(owned.begin(), owned.end(), path), owned.end());
}

void OwnedTempFiles::DeleteNow(const std::string& path) {
  if (std::find(owned.begin(), owned.end(), path) == owned.end()) return;
  DeleteFileIfExists(path);
  GiveUp(path);
}

void OwnedTempFiles::DeleteAll() {
  for (const std::string& path : owned) DeleteFileIfExists(path);
  owned.clear();
}
