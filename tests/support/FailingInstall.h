#pragma once
// A file system on which a finished lexicon cannot be moved onto its target, as a locked or
// vanished folder would refuse it; every other call (putting a backup back among them) goes
// through.

#include <cerrno>
#include <filesystem>
#include <string>

#include "platform/FileSys.h"

class FailingInstall : public FileSys {
 public:
  explicit FailingInstall(std::string targetPath) : target(std::move(targetPath)) {}
  int Rename(const std::string& from, const std::string& to) override {
    if (to == target && std::filesystem::path(from).extension() != ".lxb") return EACCES;
    return FileSys::Rename(from, to);
  }

 private:
  std::string target;
};
