// lexicon-tool search saving and exporting its results, and lexicon-tool results re-sorting,
// turning, exporting, saving and printing a saved pair, each as its own process.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/TextUtils.h"
#include "support/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class LexiconToolResultsTest : public ::testing::Test {
 protected:
  LexiconToolResultsTest() {
    const std::string list = folder.Write("list.txt", "cat\ncot\nCRT\ncut\ncaf\xC3\xA9\nact\n");
    lexicon = folder / "words.lex";
    EXPECT_EQ(RunTool(folder, "build " + list + " " + lexicon).status, 0);
  }
  TempFolder folder;
  std::string lexicon;
};

TEST_F(LexiconToolResultsTest, ASearchSavedIsReSortedTurnedExportedAndPrinted) {
  const std::string saved = folder / "found";
  const std::string exported = folder / "found.txt";
  const ToolRun search = RunTool(folder, "search --find 'c?t' --sort found --save " + saved +
                                             " --export " + exported + " " + lexicon);
  ASSERT_EQ(search.status, 0) << search.err;
  EXPECT_THAT(Lines(search.out), ElementsAre("cat", "cot", "CRT", "cut"));
  EXPECT_THAT(ReadWholeFile(exported), HasSubstr("Find Field: c?t\r\n"));
  EXPECT_THAT(ReadWholeFile(exported), HasSubstr("Matches Found: 4\r\n"));

  const ToolRun sorted = RunTool(folder, "results " + saved + ".kvq --sort alpha --reverse --print");
  ASSERT_EQ(sorted.status, 0) << sorted.err;
  EXPECT_THAT(Lines(sorted.out), ElementsAre("cut", "CRT", "cot", "cat"));

  // The re-sort works on a copy: the saved pair keeps its order, and a save writes the new one.
  const std::string resaved = folder / "length";
  const ToolRun byLength = RunTool(folder, "results " + saved + ".kvq --sort length --forward --save " +
                                               resaved + " --export " + folder / "length.txt");
  ASSERT_EQ(byLength.status, 0) << byLength.err;
  EXPECT_TRUE(byLength.out.empty());
  EXPECT_THAT(Lines(RunTool(folder, "results " + resaved + ".kvq --print").out),
              ElementsAre("cat", "cot", "CRT", "cut"));
  EXPECT_THAT(ReadWholeFile(folder / "length.txt"), HasSubstr("\r\ncat\r\ncot\r\nCRT\r\ncut\r\n"));
}

TEST_F(LexiconToolResultsTest, APairOpensByItsSavedNameAndIsOnlyRead) {
  const std::string saved = folder / "found";
  ASSERT_EQ(
      RunTool(folder, "search --find 'c?t' --sort found --save " + saved + " " + lexicon).status,
      0);
  const std::string before = ReadWholeFile(saved + ".kvq");
  const ToolRun turned = RunTool(folder, "results " + saved + " --reverse --print");
  ASSERT_EQ(turned.status, 0) << turned.err;
  EXPECT_THAT(Lines(turned.out), ElementsAre("cut", "CRT", "cot", "cat"));
  EXPECT_EQ(ReadWholeFile(saved + ".kvq"), before);
}

TEST_F(LexiconToolResultsTest, AccentedResultsPrintInUtf8) {
  const ToolRun search = RunTool(folder, "search --find 'caf?' --save " + folder / "cafe " + lexicon);
  ASSERT_EQ(search.status, 0) << search.err;
  EXPECT_THAT(Lines(RunTool(folder, "results " + folder / "cafe.kvq --print").out),
              ElementsAre("caf\xC3\xA9"));
}

TEST_F(LexiconToolResultsTest, BadInputIsRefusedOnStandardError) {
  EXPECT_EQ(RunTool(folder, "results").status, 1);
  EXPECT_EQ(RunTool(folder, "results " + lexicon + " --sort sideways").status, 1);
  const ToolRun notResults = RunTool(folder, "results " + lexicon + " --print");
  EXPECT_EQ(notResults.status, 1);
  EXPECT_THAT(notResults.err, HasSubstr("Not a valid results file"));
  EXPECT_TRUE(notResults.out.empty());
}

// Twenty-four saves at once, more than there are cores, so that a save is often held between its
// two moves; saves of different counts, so that a pair made of two saves does not open.
TEST_F(LexiconToolResultsTest, SavesToOneNameAtOnceLeaveOneSavesWholePair) {
  const std::string tool = ToolPath("lexicon-tool");
  const std::string saved = folder / "race";
  std::string round;
  for (int i = 0; i < 6; ++i) {
    for (const char* find : {"'*'", "'c*'", "'c?t'", "'a*'"}) {
      round += tool + " search --find " + find + " --save " + saved + " " + lexicon +
               " >/dev/null || echo failed & ";
    }
  }
  // The first run alone makes the settings folder of the command's home.
  const ToolRun run =
      RunCommand(folder, tool + " results " + saved + " >/dev/null 2>&1; " +
                             "for i in $(seq 50); do " + round + "wait; " + tool + " results " +
                             saved + ".kvq --print >/dev/null || echo broken; done");
  EXPECT_EQ(run.out, "");
  EXPECT_EQ(run.err, "");
}

// A search whose working files cannot be written is told of once, and its save is not made: the
// pair saved before stays whole.
TEST_F(LexiconToolResultsTest, ASearchThatCouldNotWriteIsToldOnceAndNotSaved) {
  std::string words;
  for (char a = 'a'; a <= 'z'; ++a) {
    for (char b = 'a'; b <= 'z'; ++b) words += std::string("b") + a + b + "\n";
  }
  const std::string many = folder / "many.lex";
  ASSERT_EQ(RunTool(folder, "build " + folder.Write("many.txt", words) + " " + many).status, 0);
  const std::string saved = folder / "old";
  ASSERT_EQ(RunTool(folder, "search --find 'c?t' --save " + saved + " " + lexicon).status, 0);
  const std::string before = ReadWholeFile(saved + ".kvq") + ReadWholeFile(saved + ".idx");

  ToolRun run;
  {
    const FileSizeLimit fullDisk(2000);
    run = RunTool(folder, "search --find '*' --save " + saved + " " + many);
  }
  EXPECT_EQ(run.status, 2);
  ASSERT_EQ(Lines(run.err).size(), 1u) << run.err;
  EXPECT_THAT(run.err, ::testing::StartsWith("Error: Unable to Write to the Temp Folder "));
  EXPECT_EQ(ReadWholeFile(saved + ".kvq") + ReadWholeFile(saved + ".idx"), before);
}

}  // namespace
