#pragma once
// A fresh folder for one fuzzing run, removed when it ends, with the program's folders and its
// settings-store files pointed into it and the working folder moved there, so that no input
// touches the user's own files or the checkout. It lies in memory where the system offers a
// folder there: every input writes files into it.

#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/AppPaths.h"

// Makes the folder and points AppPaths at it; returns it, ending in '/'.
inline const std::string& MakeFuzzFolder(const char* name) {
  static std::string folder;
  const char* parent = std::filesystem::is_directory("/dev/shm") ? "/dev/shm/" : "/tmp/";
  std::string root = parent + std::string(name) + "-XXXXXX";
  if (!mkdtemp(root.data())) abort();
  folder = root + "/";
  atexit([] { std::filesystem::remove_all(folder); });
  AppPaths paths;
  paths.programFolder = folder;
  paths.documentsFolder = folder;
  paths.appDataFolder = folder;
  paths.userStoreFile = folder + "user.reg";
  paths.machineStoreFile = folder + "machine.reg";
  AppPaths::Set(paths);
  // A relative path in an input (a folder setting, say) lands here too, not in the checkout.
  std::filesystem::current_path(folder);
  return folder;
}
