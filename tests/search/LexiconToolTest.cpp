// The developer's lexicon tool, run as its own process the way scripts and benchmarks run it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdio>
#include <fstream>
#include <optional>
#include <set>
#include <sstream>

#include "platform/Cp1252.h"
#include "foundation/CharClass.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

TEST(LexiconToolTest, BuildKeepsValidWordsInLexiconOrder) {
  TempFolder folder;
  const std::string list = folder.Write("list.txt",
                                        "\xEF\xBB\xBF"
                                        "zebra\r\n"
                                        "  caf\xC3\xA9  \n"  // UTF-8, converted
                                        "na\xEFve\n"         // already Windows-1252
                                        "apple\nApple\napple\n"
                                        "x2\n"  // a digit is no word character
                                        "\xE2\x82\xAC"
                                        "uro\n"  // the euro sign has a byte, but it is no letter
                                        "\xE3\x81\x82\n"  // no Windows-1252 byte at all
                                        "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa\n"  // 31 letters
                                        "\n"
                                        "I\n"
                                        "ox");  // no final line break
  const std::string lexicon = folder / "out.lex";
  ASSERT_EQ(RunTool(folder, list + " " + lexicon).status, 2);  // no command
  ToolRun build = RunTool(folder, "build " + list + " " + lexicon);
  ASSERT_EQ(build.status, 0) << build.err;
  const ToolRun dump = RunTool(folder, "dump " + lexicon);
  ASSERT_EQ(dump.status, 0) << dump.err;
  EXPECT_THAT(Lines(dump.out), ElementsAre("I", "ox", "café", "Apple", "apple", "naïve", "zebra"));
  const ToolRun info = RunTool(folder, "info " + lexicon);
  EXPECT_EQ(info.status, 0);
  EXPECT_THAT(info.out, HasSubstr("wordCount: 7\n"));
  EXPECT_THAT(info.out, HasSubstr("magic: 22965\n"));
  EXPECT_THAT(info.out, HasSubstr("defaultFlag: 0\n"));
  EXPECT_THAT(info.out, HasSubstr("modifyTime: 0\n"));
  EXPECT_THAT(info.out, HasSubstr("fileSize: " + std::to_string(ReadWholeFile(lexicon).size())));

  ASSERT_EQ(RunTool(folder, "build --default " + list + " " + lexicon).status, 0);
  EXPECT_THAT(RunTool(folder, "info " + lexicon).out, HasSubstr("defaultFlag: 1\n"));
}

TEST(LexiconToolTest, FailuresGoToStandardErrorAndLeaveNoFile) {
  TempFolder folder;
  const std::string list = folder.Write("list.txt", "ox\n");
  ToolRun run = RunTool(folder, "build " + folder / "missing.txt " + folder / "a.lex");
  EXPECT_NE(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr("missing.txt"));
  EXPECT_FALSE(std::ifstream(folder / "a.lex").good());

  run = RunTool(folder, "build " + list + " " + folder / "no/folder.lex");
  EXPECT_NE(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr(folder / "no/folder.lex"));
  EXPECT_FALSE(std::ifstream(folder / "no/folder.lex").good());

  run = RunTool(folder, "dump " + list);
  EXPECT_NE(run.status, 0);
  EXPECT_THAT(run.err, HasSubstr("is not a lexicon"));
  EXPECT_TRUE(run.out.empty());
  EXPECT_NE(RunTool(folder, "dump " + folder / "missing.lex").status, 0);
  EXPECT_NE(RunTool(folder, "info").status, 0);
  EXPECT_NE(RunTool(folder, "frobnicate x").status, 0);
}

// The Debian word list as the starter lexicon is made from it: every valid word once, in
// lexicon order.
TEST(LexiconToolTest, AmericanEnglishRoundTrip) {
  const std::string list = "/usr/share/dict/american-english";
  const std::string text = ReadWholeFile(list);
  if (text.empty()) GTEST_SKIP() << list << " is not installed";
  std::set<std::string> expected;
  for (std::string line : Lines(text)) {
    std::optional<std::string> word = Cp1252::WordListLineToCp1252(line);
    int letters = 0;
    if (word && CleanWord(word->data(), &letters)) expected.insert(word->c_str());
  }
  TempFolder folder;
  ASSERT_EQ(RunTool(folder, "build " + list + " " + folder / "e.lex").status, 0);
  const ToolRun dump = RunTool(folder, "dump " + folder / "e.lex");
  std::vector<std::string> words;
  for (const std::string& line : Lines(dump.out)) words.push_back(Cp1252::FromUtf8(line));
  ASSERT_EQ(words.size(), expected.size());
  EXPECT_EQ(std::set<std::string>(words.begin(), words.end()), expected);
  for (size_t i = 1; i < words.size(); ++i)
    ASSERT_LE(CompareWordStrings(words[i - 1], words[i]), 0) << words[i - 1] << " " << words[i];
  EXPECT_THAT(RunTool(folder, "info " + folder / "e.lex").out,
              HasSubstr("wordCount: " + std::to_string(expected.size()) + "\n"));
}

}  // namespace
