#pragma once
// What benchmark programs share: a temporary folder of their own (with the program's folders and
// settings inside it for those that search in process), the plain words of a word list, and
// lexicons built from word lists the way a developer builds them, with lexicon-tool.

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "foundation/Settings.h"
#include "platform/AppPaths.h"

// A fresh folder under the system's temporary folder, ending in '/', removed at exit.
inline const std::string& BenchFolder() {
  static const std::string folder = [] {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "sorvane-bench-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) std::abort();
    std::atexit([] { std::filesystem::remove_all(BenchFolder()); });
    return pattern + "/";
  }();
  return folder;
}

// Runs lexicon-tool build; false when it failed.
inline bool BuildLexicon(const std::string& wordList, const std::string& lexicon) {
  const std::string command =
      std::string(SORVANE_BIN_DIR) + "/lexicon-tool build " + wordList + " " + lexicon;
  const int status = std::system(command.c_str());
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// Program, documents and settings folders inside BenchFolder(), with the settings rebuilt on
// them, so that no user's settings sway a run. Only the first call does anything.
inline void UseBenchAppPaths() {
  static const bool done = [] {
    const std::string& root = BenchFolder();
    AppPaths paths;
    paths.programFolder = root + "program/";
    paths.documentsFolder = root;
    paths.appDataFolder = root;
    paths.userStoreFile = root + "user.reg";
    paths.machineStoreFile = root + "machine.reg";
    std::filesystem::create_directories(paths.programFolder);
    AppPaths::Set(paths);
    Settings::Rebuild();
    return true;
  }();
  (void)done;
}

// The lines of a word list made only of the letters a-z: words that every program compared
// reads alike, with no capitals, marks or accents to treat differently.
inline std::vector<std::string> LowerCaseWords(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> words;
  for (std::string word; std::getline(in, word);) {
    const bool lowerAZ = !word.empty() && std::all_of(word.begin(), word.end(), [](char c) {
      return c >= 'a' && c <= 'z';
    });
    if (lowerAZ) words.push_back(word);
  }
  return words;
}
