#pragma once
// What benchmark programs share: a temporary folder of their own, and lexicons built from word
// lists the way a developer builds them, with lexicon-tool.

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

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
