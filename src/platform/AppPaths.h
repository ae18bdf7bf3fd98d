#pragma once
// The folders the program is laid out in and the two settings-store files. Filled once at start
// (from Qt in the program, from a temporary folder in tests) before anything reads a setting.

#include <string>

struct AppPaths {
  std::string programFolder;     // folder of the running executable, ending in '/'
  std::string documentsFolder;   // the user's documents folder; empty when unknown
  std::string appDataFolder;     // per-user application data; empty when unknown
  std::string userStoreFile;     // per-user settings store
  std::string machineStoreFile;  // machine-wide store holding "Folder-Sorvane"

  static const AppPaths& Current();
  static void Set(const AppPaths& paths);
  // Defaults from the environment without Qt: the executable's folder and the XDG folders.
  static AppPaths FromEnvironment();
};
