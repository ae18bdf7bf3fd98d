// lexicon-tool search interrupted, as a user or a pipe interrupts it: the search stops, its
// working files go, and the process ends by the signal. Output that cannot be written is an
// error, not a success with every result lost.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <thread>

#include "support/ToolCopy.h"

namespace {

namespace fs = std::filesystem;
using ::testing::HasSubstr;

// Runs long: every word of three using all 26 letters.
constexpr const char* kLongSearch =
    "lexicon-tool search --find '* * *' --from abcdefghijklmnopqrstuvwxyz a.lex b.lex";
constexpr const char* kManyResults =
    "lexicon-tool search --find '* * *' --from conversations a.lex b.lex";

// Whether the tool's Temp folder holds a working file whose name ends in extension.
bool HoldsWorkingFile(const ToolCopy& tool, const std::string& extension) {
  std::error_code none;  // the tool makes its Temp folder as it starts
  for (const auto& entry : fs::directory_iterator(tool.Folder() / "bin/Temp", none)) {
    if (entry.path().extension() == extension) return true;
  }
  return false;
}

// Runs the command, waits until it has a working file of that extension in Temp, then sends the
// signal; the wait status of the tool.
int InterruptWhenWorking(const ToolCopy& tool, const std::string& command,
                         const std::string& extension, int signal) {
  fs::remove(tool.Folder() / "pid");
  auto run = std::async(std::launch::async, [&] {
    return tool.Run("echo $$ >pid.new; mv pid.new pid; exec " + command + " >out 2>err");
  });
  const auto giveUp = std::chrono::steady_clock::now() + std::chrono::seconds(60);
  while (!(fs::exists(tool.Folder() / "pid") && HoldsWorkingFile(tool, extension)) &&
         std::chrono::steady_clock::now() < giveUp) {
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
  const pid_t pid = std::stoi(ReadWholeFile(tool.Folder() / "pid"));
  ::kill(pid, signal);
  return run.get();
}

int InterruptWhenSearching(const ToolCopy& tool, int signal) {
  return InterruptWhenWorking(tool, kLongSearch, ".rls", signal);
}

TEST(LexiconToolSignalsTest, InterruptedSearchesStopAndLeaveNoWorkingFiles) {
  ToolCopy tool;
  if (!tool.HasLexicons()) GTEST_SKIP() << "the Debian word lists are not installed";
  for (const int signal : {SIGINT, SIGTERM}) {
    SCOPED_TRACE("signal " + std::to_string(signal));
    const int status = InterruptWhenSearching(tool, signal);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == signal) << status;
    EXPECT_EQ(ReadWholeFile(tool.Folder() / "err"), "");
    EXPECT_TRUE(tool.TempFolderIsEmpty());
  }

  // The reader of the pipe leaves after one line: the tool ends quietly, and clean.
  ASSERT_EQ(tool.Run("{ " + std::string(kManyResults) +
                     " 2>err; echo $? >status; } | head -n 1 >first"),
            0);
  EXPECT_EQ(ReadWholeFile(tool.Folder() / "status"), std::to_string(128 + SIGPIPE) + "\n");
  EXPECT_EQ(ReadWholeFile(tool.Folder() / "err"), "");
  EXPECT_EQ(ReadWholeFile(tool.Folder() / "first").find('\n'),
            ReadWholeFile(tool.Folder() / "first").size() - 1);
  EXPECT_TRUE(tool.TempFolderIsEmpty());
}

TEST(LexiconToolSignalsTest, OutputThatCannotBeWrittenFailsTheSearch) {
  ToolCopy tool;
  if (!tool.HasLexicons()) GTEST_SKIP() << "the Debian word lists are not installed";
  const int status = tool.Run("lexicon-tool search --find 'c?t' a.lex >/dev/full 2>err");
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 0) << status;
  EXPECT_THAT(ReadWholeFile(tool.Folder() / "err"),
              HasSubstr("unable to write the results: No space left on device"));
  EXPECT_TRUE(tool.TempFolderIsEmpty());
}

TEST(LexiconToolSignalsTest, InterruptedLexiconJobsLeaveTheLexiconWholeAndNoWorkingFiles) {
  ToolCopy tool;
  if (!tool.HasLexicons()) GTEST_SKIP() << "the Debian word lists are not installed";
  const std::string before = ReadWholeFile(tool.Folder() / "b.lex");
  const std::string commands[] = {
      "lexicon-tool build /usr/share/dict/american-english b.lex",
      "lexicon-tool merge b.lex a.lex b.lex",
  };
  for (const std::string& command : commands) {
    for (const int signal : {SIGINT, SIGTERM}) {
      SCOPED_TRACE(command + ", signal " + std::to_string(signal));
      const int status = InterruptWhenWorking(tool, command, "", signal);
      // A job that ended between the look and the signal has installed the new lexicon.
      if (WIFSIGNALED(status)) {
        EXPECT_EQ(WTERMSIG(status), signal);
        EXPECT_TRUE(ReadWholeFile(tool.Folder() / "b.lex") == before);
      }
      EXPECT_TRUE(tool.TempFolderIsEmpty());
      std::ofstream(tool.Folder() / "b.lex", std::ios::binary) << before;
    }
  }
}

}  // namespace
