#pragma once
// Points the program's folders and settings store at a fresh temporary folder for one test and
// builds the settings afresh there: program folder, Temp, Lexicons and the store files.

#include <string>

#include "platform/AppPaths.h"
#include "support/TempFolder.h"

class TestSettings {
 public:
  TestSettings();
  ~TestSettings();

  const TempFolder& Root() const { return root_; }
  std::string TempFolderPath() const;      // the "Folder-Temp" setting
  std::string LexiconsFolderPath() const;  // the "Folder-Lexicons" setting

 private:
  TempFolder root_;
  AppPaths previous_;
};
