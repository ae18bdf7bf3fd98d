#pragma once
// Pictures a widget test takes for a person to look at go to screenshots/ in the build tree,
// where they outlive the run, never to the system's temporary folder.

#include <QString>
#include <filesystem>
#include <string>

inline QString ScreenshotPath(const std::string& name) {
  const std::string folder = std::string(SORVANE_BIN_DIR) + "/../screenshots/";
  std::filesystem::create_directories(folder);
  return QString::fromStdString(folder + name);
}
