#pragma once
// Points AppPaths at folders under a fresh temporary folder for the lifetime of the object, so a
// test never touches the real home folder or /etc; restores the previous paths afterwards. The
// program, documents and app-data folders exist; the store files and their folders do not.

#include <filesystem>

#include "platform/AppPaths.h"
#include "support/TempFolder.h"

class ScopedAppPaths {
 public:
  ScopedAppPaths() : previous_(AppPaths::Current()) {
    paths_.programFolder = root_ / "program/";
    paths_.documentsFolder = root_ / "documents";
    paths_.appDataFolder = root_ / "appdata";
    paths_.userStoreFile = root_ / "config/sorvane/user.reg";
    paths_.machineStoreFile = root_ / "etc/sorvane/machine.reg";
    for (const std::string* folder :
         {&paths_.programFolder, &paths_.documentsFolder, &paths_.appDataFolder}) {
      std::filesystem::create_directories(*folder);
    }
    AppPaths::Set(paths_);
  }
  ~ScopedAppPaths() { AppPaths::Set(previous_); }
  ScopedAppPaths(const ScopedAppPaths&) = delete;
  ScopedAppPaths& operator=(const ScopedAppPaths&) = delete;

  const TempFolder& Root() const { return root_; }
  const AppPaths& Paths() const { return paths_; }
  // Changes some of the paths; the folders are not created.
  void Change(const AppPaths& paths) {
    paths_ = paths;
    AppPaths::Set(paths_);
  }

 private:
  TempFolder root_;
  AppPaths previous_;
  AppPaths paths_;
};
