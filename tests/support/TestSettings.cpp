#include "support/TestSettings.h"

#include <filesystem>

#include "foundation/Settings.h"

TestSettings::TestSettings() : previous_(AppPaths::Current()) {
  AppPaths paths;
  paths.programFolder = root_ / "program/";
  paths.documentsFolder = root_ / "documents";
  paths.appDataFolder = root_ / "appdata";
  paths.userStoreFile = root_ / "config/user.reg";
  paths.machineStoreFile = root_ / "machine/machine.reg";
  for (const std::string& folder : {paths.programFolder, paths.documentsFolder, paths.appDataFolder})
    std::filesystem::create_directories(folder);
  AppPaths::Set(paths);
  Settings::Rebuild();
}

// The settings stay built on the removed folder until the next test builds its own; rebuilding
// here on the real paths would touch the user's own store.
TestSettings::~TestSettings() { AppPaths::Set(previous_); }

std::string TestSettings::TempFolderPath() const {
  return Settings::Instance().GetString(std::string("Folder-Temp"));
}

std::string TestSettings::LexiconsFolderPath() const {
  return Settings::Instance().GetString(std::string("Folder-Lexicons"));
}
