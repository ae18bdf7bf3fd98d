// Several copies of the program searching at once share one Temp folder. Each runs here as its
// own `lexicon-tool search` process: every one must find what a single run finds, report
// nothing, and leave the Temp folder empty. A copy killed outright leaves its working files
// there, and the next one to start sweeps them, but never another running copy's.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <future>
#include <set>
#include <string>
#include <thread>

#include "support/SearchHarness.h"
#include "support/ToolCopy.h"

namespace {

std::set<std::string> TempFiles(const ToolCopy& tool) {
  std::set<std::string> names;
  std::error_code none;  // the tool makes its Temp folder as it starts
  for (const auto& entry : std::filesystem::directory_iterator(tool.Folder() / "bin/Temp", none)) {
    names.insert(entry.path().filename().string());
  }
  return names;
}

// Whether the Temp folder holds a file beyond those.
bool HoldsMoreThan(const ToolCopy& tool, const std::set<std::string>& those) {
  for (const std::string& name : TempFiles(tool)) {
    if (!those.count(name)) return true;
  }
  return false;
}

// Whether every thread of the process has stopped, so that its files stay as they are.
bool AllStopped(int process) {
  const std::string tasks = "/proc/" + std::to_string(process) + "/task";
  for (const auto& task : std::filesystem::directory_iterator(tasks)) {
    const std::string stat = ReadWholeFile(task.path().string() + "/stat");
    const size_t state = stat.rfind(") ") + 2;  // past the name, which may hold anything
    if (state >= stat.size() || stat[state] != 'T') return false;
  }
  return true;
}

constexpr int kProcesses = 8;
constexpr int kRounds = 4;
// Two lexicons, so that the analysis before the search merges as well as moves.
constexpr const char* kSearch =
    "lexicon-tool search --find '* * *' --from conversations a.lex b.lex";

TEST(SharedTempFolderTest, SearchesInManyProcessesAtOnceMatchASingleRun) {
  ToolCopy tool;
  if (!tool.HasLexicons()) GTEST_SKIP() << "the Debian word lists are not installed";
  ASSERT_EQ(tool.Run(std::string(kSearch) + " >expected"), 0);
  const std::string expected = ReadWholeFile(tool.Folder() / "expected");
  ASSERT_GT(expected.size(), 50000u);
  ASSERT_TRUE(tool.TempFolderIsEmpty());

  for (int round = 0; round < kRounds; ++round) {
    std::string all;
    for (int i = 0; i < kProcesses; ++i) {
      const std::string n = std::to_string(i);
      all += "(" + std::string(kSearch) + " >out" + n + " 2>err" + n + "; echo $? >status" + n +
             ") & ";
    }
    ASSERT_EQ(tool.Run(all + "wait"), 0);
    for (int i = 0; i < kProcesses; ++i) {
      const std::string n = std::to_string(i);
      SCOPED_TRACE("round " + std::to_string(round) + ", process " + n);
      EXPECT_EQ(ReadWholeFile(tool.Folder() / "status" + n), "0\n");
      EXPECT_EQ(ReadWholeFile(tool.Folder() / "err" + n), "");
      EXPECT_TRUE(ReadWholeFile(tool.Folder() / "out" + n) == expected);
    }
    EXPECT_TRUE(tool.TempFolderIsEmpty());
  }
}

TEST(SharedTempFolderTest, TheNextStartSweepsTheFilesOfKilledCopiesButNotOfRunningOnes) {
  ToolCopy tool;
  if (!tool.HasLexicons()) GTEST_SKIP() << "the Debian word lists are not installed";
  std::string list;
  for (const std::string& word : DebianWords()) list += word + "\n";
  tool.Folder().Write("words.txt", list);
  ASSERT_EQ(tool.Run("lexicon-tool build words.txt whole.lex"), 0);

  // A build caught amid its chunks and stopped there stays running, its files as they are.
  auto running = std::async(std::launch::async, [&] {
    return tool.Run("echo $$ >pid.new; mv pid.new pid; exec lexicon-tool build words.txt a2.lex");
  });
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!(std::filesystem::exists(tool.Folder() / "pid") && HoldsMoreThan(tool, {})) &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const int runningId = std::stoi(ReadWholeFile(tool.Folder() / "pid"));
  ::kill(runningId, SIGSTOP);
  while (!AllStopped(runningId)) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  const std::set<std::string> runningFiles = TempFiles(tool);
  EXPECT_FALSE(runningFiles.empty());

  for (int killed = 0; killed < 2; ++killed) {
    const std::set<std::string> before = TempFiles(tool);
    const int status = tool.RunInterrupted(
        "lexicon-tool build words.txt b.lex", [&] { return HoldsMoreThan(tool, before); }, SIGKILL);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << status;
  }
  EXPECT_GT(TempFiles(tool).size(), runningFiles.size());

  EXPECT_EQ(tool.Run("lexicon-tool search --find cat a.lex >/dev/null"), 0);
  EXPECT_EQ(TempFiles(tool), runningFiles);

  ::kill(runningId, SIGCONT);
  EXPECT_EQ(running.get(), 0);
  // Whole: the same words as a build run alone (the headers differ in their compile time).
  ASSERT_EQ(tool.Run("lexicon-tool dump a2.lex >a2.txt && lexicon-tool dump whole.lex >whole.txt"),
            0);
  EXPECT_TRUE(ReadWholeFile(tool.Folder() / "a2.txt") ==
              ReadWholeFile(tool.Folder() / "whole.txt"));
  EXPECT_TRUE(tool.TempFolderIsEmpty());
}

}  // namespace
