#include "support/TestSettings.h"

#include "foundation/Settings.h"

// The settings stay built on the removed folder until the next test builds its own; rebuilding
// on the real paths afterwards would touch the user's own store.
TestSettings::TestSettings() { Settings::Rebuild(); }

std::string TestSettings::TempFolderPath() const {
  return Settings::Instance().GetString(std::string("Folder-Temp"));
}

std::string TestSettings::LexiconsFolderPath() const {
  return Settings::Instance().GetString(std::string("Folder-Lexicons"));
}
