#include "platform/AppPaths.h"

#include <cstdlib>
#include <deque>
#include <filesystem>
#include <mutex>

namespace {
std::mutex pathsMutex;
// Every value ever set, the current one last. Earlier values stay alive (and reachable, so leak
// checkers stay quiet): references handed out before may still be read.
std::deque<AppPaths> allPaths;  // guarded by pathsMutex

std::string EnvOr(const char* name, const std::string& fallback) {
  const char* value = std::getenv(name);
  return value && *value ? std::string(value) : fallback;
}

std::string WithSlash(std::string folder) {
  if (!folder.empty() && folder.back() != '/') folder += '/';
  return folder;
}
}  // namespace

const AppPaths& AppPaths::Current() {
  std::lock_guard lock(pathsMutex);
  if (allPaths.empty()) allPaths.push_back(FromEnvironment());
  return allPaths.back();
}

void AppPaths::Set(const AppPaths& paths) {
  std::lock_guard lock(pathsMutex);
  allPaths.push_back(paths);
}

AppPaths AppPaths::FromEnvironment() {
  namespace fs = std::filesystem;
  AppPaths paths;
  std::error_code error;
  const fs::path exe = fs::read_symlink("/proc/self/exe", error);
  paths.programFolder = error ? std::string("./") : WithSlash(exe.parent_path().string());

  const std::string home = EnvOr("HOME", "/tmp");
  const std::string documents = home + "/Documents";
  paths.documentsFolder = fs::is_directory(documents, error) ? documents : home;
  paths.appDataFolder = EnvOr("XDG_DATA_HOME", home + "/.local/share");
  const std::string configHome = EnvOr("XDG_CONFIG_HOME", home + "/.config");
  paths.userStoreFile = configHome + "/sorvane/user.reg";
  std::string configDirs = EnvOr("XDG_CONFIG_DIRS", "/etc/xdg");
  configDirs = configDirs.substr(0, configDirs.find(':'));
  paths.machineStoreFile = configDirs + "/sorvane/machine.reg";
  return paths;
}
