// Several copies of the program searching at once share one Temp folder. Each runs here as its
// own `lexicon-tool search` process: every one must find what a single run finds, report
// nothing, and leave the Temp folder empty.

#include <gtest/gtest.h>

#include <string>

#include "support/ToolCopy.h"

namespace {

constexpr int kProcesses = 8;
constexpr int kRounds = 4;
// Two lexicons, so that the analysis before the search merges as well as moves.
constexpr const char* kSearch = "lexicon-tool search --find '* * *' --from conversations a.lex b.lex";

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

}  // namespace
