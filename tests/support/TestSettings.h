#pragma once
// Folders and settings store under a fresh temporary folder for one test, with the settings
// built afresh there (so "Folder-Temp" and "Folder-Lexicons" exist inside it).

#include <string>

#include "support/ScopedAppPaths.h"

class TestSettings {
 public:
  TestSettings();

  const TempFolder& Root() const { return paths.Root(); }
  std::string TempFolderPath() const;      // the "Folder-Temp" setting
  std::string LexiconsFolderPath() const;  // the "Folder-Lexicons" setting

 private:
  ScopedAppPaths paths;
};
