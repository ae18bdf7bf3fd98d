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

TestSettings::~TestSettings() {
  AppPaths::Set(previous_);
  Settings::Rebuild();
}

std::string TestSettings::TempFolderPath() const {
  return Settings::Instance().GetString(std::string("Folder-Temp"));
}

std::string TestSettings::LexiconsFolderPath() const {
  return Settings::Instance().GetString(std::string("Folder-Lexicons"));
}
