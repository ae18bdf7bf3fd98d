#include "support/ToolCopy.h"

#include <signal.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <future>
#include <thread>
#include <vector>

#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"

namespace fs = std::filesystem;

ToolCopy::ToolCopy(const std::string& tool) {
  fs::create_directories(folder / "bin");
  fs::copy_file(std::string(SORVANE_BIN_DIR) + "/" + tool, folder / ("bin/" + tool));
  const std::vector<std::string>& american = DebianWords("american-english");
  const std::vector<std::string>& british = DebianWords("british-english");
  hasLexicons = !american.empty() && !british.empty();
  if (!hasLexicons) return;
  WriteLexicon(folder / "a.lex", InLexiconOrder(american));
  WriteLexicon(folder / "b.lex", InLexiconOrder(british));
}

int ToolCopy::Run(const std::string& command) const {
  const std::string home = folder / "home";
  const std::string environment = "export PATH=" + folder / "bin:$PATH HOME=" + home +
                                  " XDG_CONFIG_HOME=" + home + "/config XDG_DATA_HOME=" + home +
                                  "/data XDG_CONFIG_DIRS=" + folder / "etc; ";
  return std::system(("cd " + folder.Path() + " && " + environment + command).c_str());
}

int ToolCopy::RunInterrupted(const std::string& command, const std::function<bool()>& working,
                             int signal) const {
  fs::remove(folder / "pid");
  auto run = std::async(std::launch::async, [&] {
    return Run("echo $$ >pid.new; mv pid.new pid; exec " + command + " >out 2>err");
  });
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  bool worked = false;
  while (!(worked = fs::exists(folder / "pid") && working()) &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  ::kill(std::stoi(ReadWholeFile(folder / "pid")), signal);
  const int status = run.get();
  return worked ? status : -1;
}

bool ToolCopy::TempFolderHolds(const std::string& extension) const {
  std::error_code none;  // the tool makes its Temp folder as it starts
  for (const auto& entry : fs::directory_iterator(folder / "bin/Temp", none)) {
    if (entry.path().extension() == extension) return true;
  }
  return false;
}

bool ToolCopy::TempFolderIsEmpty() const { return fs::is_empty(folder / "bin/Temp"); }
