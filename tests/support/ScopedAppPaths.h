#pragma once
// Points AppPaths at folders under a fresh temporary folder for the lifetime of the object, so a
// test never touches the real home folder or /etc; restores the previous paths afterwards. The
// program, documents and app-data folders exist; the store files and their folders do not.

#include <filesystem>

#include "platform/AppPaths.h"
#include "support/TempFolder.h"

class ScopedAppPaths {
 public:
  ScopedAppPaths() : previous(AppPaths::Current()) {
    paths.programFolder = root / "program/";
    paths.documentsFolder = root / "documents";
    paths.appDataFolder = root / "appdata";
    paths.userStoreFile = root / "config/sorvane/user.reg";
    paths.machineStoreFile = root / "etc/sorvane/machine.reg";
    for (const std::string* folder :
         {&paths.programFolder, &paths.documentsFolder, &paths.appDataFolder}) {
      std::filesystem::create_directories(*folder);
    }
    AppPaths::Set(paths);
  }
  ~ScopedAppPaths() { AppPaths::Set(previous); }
  ScopedAppPaths(const ScopedAppPaths&) = delete;
  ScopedAppPaths& operator=(const ScopedAppPaths&) = delete;

  const TempFolder& Root() const { return root; }
  const AppPaths& Paths() const { return paths; }
  // Changes some of the paths; the folders are not created.
  void Change(const AppPaths& changed) {
    paths = changed;
    AppPaths::Set(paths);
  }

 private:
  TempFolder root;
  AppPaths previous;
  AppPaths paths;
};
