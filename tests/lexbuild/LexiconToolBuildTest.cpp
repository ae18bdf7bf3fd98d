// lexicon-tool build as a process: installing over a lexicon, failing writes, and outputs or
// word lists that are no regular files.

#include <sys/stat.h>
#include <sys/sysmacros.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr const char* kMemoryLimit = "";  // a sanitizer reserves more address space than any cap
#else
constexpr const char* kMemoryLimit = "ulimit -v 2000000; ";
#endif

// The tool run by the shell after the given limits, never for long nor with much memory, so
// that a build that hangs or reads without end fails the test instead of stalling it.
ToolRun RunLimited(const TempFolder& folder, const std::string& limits,
                   const std::string& arguments) {
  return RunCommand(folder, kMemoryLimit + limits + " exec timeout 20 " + ToolPath("lexicon-tool") +
                                " " + arguments);
}

std::vector<std::string> Names(const TempFolder& folder) {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder.Path()))
    if (entry.path().filename() != "stderr.txt") names.push_back(entry.path().filename());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(LexiconToolBuildTest, AnExistingLexiconBecomesTheBackup) {
  TempFolder folder;
  const std::string lexicon = folder / "out.lex";
  ASSERT_EQ(RunTool(folder, "build " + folder.Write("a.txt", "ox\n") + " " + lexicon).status, 0);
  const std::string first = ReadWholeFile(lexicon);
  const ToolRun run = RunTool(folder, "build --default " + folder.Write("b.txt", "cat\n") + " " + lexicon);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(ReadWholeFile(folder / "out.lxb"), first);
  EXPECT_THAT(Lines(RunTool(folder, "dump " + lexicon).out), ElementsAre("cat"));
  EXPECT_THAT(RunTool(folder, "info " + lexicon).out, HasSubstr("defaultFlag: 1\n"));
  EXPECT_THAT(Names(folder), ElementsAre("a.txt", "b.txt", "out.lex", "out.lxb"));
}

// A full disk in the middle of a build: the lexicon already there stays as it was.
TEST(LexiconToolBuildTest, AFailedWriteLeavesTheOldLexiconUntouched) {
  const std::string words = ReadWholeFile("/usr/share/dict/american-english");
  if (words.empty()) GTEST_SKIP() << "american-english is not installed";
  TempFolder folder;
  const std::string lexicon = folder / "out.lex";
  ASSERT_EQ(RunTool(folder, "build " + folder.Write("small.txt", "ox\ncat\n") + " " + lexicon).status, 0);
  const std::string old = ReadWholeFile(lexicon);
  const std::string list = folder.Write("big.txt", words);
  // 300 blocks of 512 bytes: the chunks fit, the merge steps and the lexicon do not.
  const ToolRun run = RunLimited(folder, "ulimit -f 300; trap '' XFSZ;", "build " + list + " " + lexicon);
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("Error: Unable to Write to the Temp Folder "));
  EXPECT_EQ(ReadWholeFile(lexicon), old);
  EXPECT_THAT(Names(folder), ElementsAre("big.txt", "out.lex", "small.txt"));
}

// A device or a FIFO given as the lexicon to write is refused, and never removed.
TEST(LexiconToolBuildTest, AnOutputThatIsNoRegularFileIsRefusedAndKept) {
  TempFolder folder;
  const std::string list = folder.Write("list.txt", "ox\n");
  std::vector<std::string> outputs = {folder / "fifo.lex", folder / "folder.lex"};
  ASSERT_EQ(::mkfifo(outputs[0].c_str(), 0600), 0);
  fs::create_directory(outputs[1]);
  // A device like /dev/full, where every write fails; only root may make one.
  const std::string device = folder / "full.lex";
  if (::mknod(device.c_str(), S_IFCHR | 0600, makedev(1, 7)) == 0) outputs.push_back(device);
  for (const std::string& output : outputs) {
    SCOPED_TRACE(output);
    const ToolRun run = RunLimited(folder, "", "build " + list + " " + output);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Error: Unable to Open File " + output + "\n");
    EXPECT_TRUE(fs::exists(fs::symlink_status(output)));
  }
  EXPECT_TRUE(fs::is_fifo(outputs[0]));
  EXPECT_TRUE(fs::is_directory(outputs[1]));
  if (outputs.size() > 2) {
    EXPECT_TRUE(fs::is_character_file(device));
  }
}

// "app\0le" is no word, nor is its part before the NUL.
TEST(LexiconToolBuildTest, ALineHoldingANulIsRefusedWhole) {
  TempFolder folder;
  const std::string list = folder.Write("list.txt", std::string("app\0le\nzebra\n", 13));
  ASSERT_EQ(RunTool(folder, "build " + list + " " + folder / "out.lex").status, 0);
  EXPECT_THAT(Lines(RunTool(folder, "dump " + folder / "out.lex").out), ElementsAre("zebra"));
}

// A FIFO would block the open and /dev/zero would be read until memory ran out.
TEST(LexiconToolBuildTest, AWordListThatIsNoRegularFileIsRefused) {
  TempFolder folder;
  const std::string fifo = folder / "list.fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& list : {fifo, std::string("/dev/zero")}) {
    SCOPED_TRACE(list);
    const ToolRun run = RunLimited(folder, "", "build " + list + " " + folder / "out.lex");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.err, "Error: Unable to Open File " + list + "\n");
    EXPECT_FALSE(fs::exists(folder / "out.lex"));
  }
}

TEST(LexiconToolBuildTest, AListWithoutValidWordsWritesNothing) {
  TempFolder folder;
  const ToolRun run = RunTool(folder, "build " + folder.Write("list.txt", "3d\n\n") + " " + folder / "out.lex");
  EXPECT_EQ(run.status, 2);
  EXPECT_EQ(run.err, "Error: No Valid words were found in the file.\n");
  EXPECT_FALSE(fs::exists(folder / "out.lex"));
}

TEST(LexiconToolBuildTest, CheckLexiconsAndStrictness) {
  TempFolder folder;
  const std::string a = folder / "a.lex";
  const std::string b = folder / "b.lex";
  ASSERT_EQ(RunTool(folder, "build " + folder.Write("a.txt", "cat\ndon't\n") + " " + a).status, 0);
  ASSERT_EQ(RunTool(folder, "build " + folder.Write("b.txt", "emu\n") + " " + b).status, 0);
  const std::string list = folder.Write("list.txt", "cat\nCat\ndont\nemu\nox\n");
  const auto built = [&](const std::string& options) {
    const ToolRun run = RunTool(folder, "build " + options + " " + list + " " + folder / "out.lex");
    EXPECT_EQ(run.status, 0) << run.err;
    return Lines(RunTool(folder, "dump " + folder / "out.lex").out);
  };
  EXPECT_THAT(built("--check " + a), ElementsAre("ox", "Cat", "emu", "dont"));
  EXPECT_THAT(built("--check " + a + " --check " + b), ElementsAre("ox", "Cat", "dont"));
  EXPECT_THAT(built("--strict --check " + a), ElementsAre("ox", "emu"));
}

}  // namespace
