// lexicon-tool search interrupted, as a user or a pipe interrupts it: the search stops, its
// working files go, and the process ends by the signal. Output that cannot be written is an
// error, not a success with every result lost.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>

#include <fstream>
#include <string>

#include "support/ToolCopy.h"

namespace {

using ::testing::HasSubstr;

// Runs long: every word of three using all 26 letters.
constexpr const char* kLongSearch =
    "lexicon-tool search --find '* * *' --from abcdefghijklmnopqrstuvwxyz a.lex b.lex";
constexpr const char* kManyResults =
    "lexicon-tool search --find '* * *' --from conversations a.lex b.lex";

int InterruptWhenSearching(const ToolCopy& tool, int signal) {
  return tool.RunInterrupted(
      kLongSearch, [&] { return tool.TempFolderHolds(".rls"); }, signal);
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
      const int status = tool.RunInterrupted(
          command, [&] { return tool.TempFolderHolds(""); }, signal);
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
