#pragma once
// A file system on which a finished lexicon cannot be moved from the Temp folder onto its target,
// as a locked or vanished folder would refuse it; every other call (putting a backup back among
// them) goes through.

#include <cerrno>
#include <string>

#include "platform/FileSys.h"

class FailingInstall : public FileSys {
 public:
  FailingInstall(std::string tempFolderPath, std::string targetPath)
      : tempFolder(std::move(tempFolderPath)), target(std::move(targetPath)) {}
  int Rename(const std::string& from, const std::string& to) override {
    if (to == target && from.rfind(tempFolder, 0) == 0) return EACCES;
    return FileSys::Rename(from, to);
  }

 private:
  std::string tempFolder;
  std::string target;
};
