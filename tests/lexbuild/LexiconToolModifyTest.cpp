// The lexicon tool's add, remove, whereis and merge, run as their own processes.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::vector<std::string> Dump(const TempFolder& folder, const std::string& lexicon) {
  return Lines(RunTool(folder, "dump " + lexicon).out);
}

TEST(LexiconToolModifyTest, AddAndRemovePrintTheResultCode) {
  TempFolder folder;
  const std::string lexicon = WriteLexicon(folder / "a.lex", InLexiconOrder({"cat", "dog"}));
  ToolRun run = RunTool(folder, "add " + lexicon + " caf\xC3\xA9");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "0\n");
  EXPECT_THAT(Dump(folder, lexicon), ElementsAre("cat", "dog", "café"));
  EXPECT_THAT(Dump(folder, folder / "a.lxb"), ElementsAre("cat", "dog"));
  EXPECT_EQ(RunTool(folder, "add " + lexicon + " cat").out, "1\n");
  EXPECT_EQ(RunTool(folder, "remove " + lexicon + " emu").out, "2\n");
  EXPECT_EQ(RunTool(folder, "remove " + lexicon + " dog").out, "0\n");
  EXPECT_THAT(Dump(folder, lexicon), ElementsAre("cat", "café"));
}

TEST(LexiconToolModifyTest, RemovingTheOnlyWordRemovesTheLexiconKeepingItsBackup) {
  TempFolder folder;
  const std::string lexicon = WriteLexicon(folder / "one.lex", {"cat"});
  const ToolRun run = RunTool(folder, "remove " + lexicon + " cat");
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(run.out, "7\n");
  EXPECT_FALSE(fs::exists(lexicon));
  EXPECT_THAT(Dump(folder, folder / "one.lxb"), ElementsAre("cat"));
}

TEST(LexiconToolModifyTest, AFailureIsABoxOnStandardError) {
  TempFolder folder;
  const ToolRun run = RunTool(folder, "add " + folder / "no/folder.lex" + " cat");
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.out, IsEmpty());
  EXPECT_THAT(run.err, HasSubstr("Error: Unable to create Lexicon: " + folder / "no/folder.lex"));
  EXPECT_NE(RunTool(folder, "add " + folder / "a.lex").status, 0);
}

// A read-only lexicon is refused as a file that cannot be written, with no result code printed.
TEST(LexiconToolModifyTest, AReadOnlyLexiconIsAFileThatCannotBeWritten) {
  TempFolder folder;
  const std::string lexicon = WriteLexicon(folder / "a.lex", InLexiconOrder({"cat", "dog"}));
  fs::permissions(lexicon, fs::perms::owner_read);
  for (const auto& [command, word] : {std::pair{"add", "emu"}, std::pair{"remove", "dog"}}) {
    const ToolRun run = RunTool(folder, std::string(command) + " " + lexicon + " " + word);
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.out, IsEmpty());
    EXPECT_EQ(run.err, "Error: Unable to Write File " + lexicon + "\n");
  }
  fs::permissions(lexicon, fs::perms::owner_write, fs::perm_options::add);
  EXPECT_THAT(Dump(folder, lexicon), ElementsAre("cat", "dog"));
}

TEST(LexiconToolModifyTest, AWordNoLexiconCanHoldIsRefusedAsTheDialogRefusesIt) {
  TempFolder folder;
  const std::string lexicon = WriteLexicon(folder / "a.lex", {"cat"});
  for (const char* command : {"add", "remove"}) {
    const ToolRun run = RunTool(folder, std::string(command) + " " + lexicon + " ab1");
    EXPECT_EQ(run.status, 2);
    EXPECT_THAT(run.out, IsEmpty());
    EXPECT_THAT(run.err, HasSubstr("Insufficient Information: ab1 is not a valid Sorvane word."));
  }
  EXPECT_THAT(Dump(folder, lexicon), ElementsAre("cat"));
  EXPECT_FALSE(fs::exists(folder / "a.lxb"));
}

TEST(LexiconToolModifyTest, LostOutputAndAFileThatIsNoLexiconFailTheRun) {
  TempFolder folder;
  const std::string lexicon = WriteLexicon(folder / "a.lex", {"cat"});
  const std::string commands[] = {"info " + lexicon, "whereis cat " + lexicon,
                                  "add " + lexicon + " dog"};
  for (const std::string& command : commands)
    EXPECT_EQ(RunTool(folder, command + " >/dev/full").status, 1) << command;
  const std::string list = folder.Write("list.txt", "cat\n");
  const ToolRun notALexicon = RunTool(folder, "whereis cat " + lexicon + " " + list);
  EXPECT_EQ(notALexicon.status, 1);
  EXPECT_THAT(notALexicon.err, HasSubstr("not a lexicon: " + folder / "list.txt"));
  EXPECT_THAT(notALexicon.out, IsEmpty());
}

// Every file of the folder with its bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().string()] = ReadWholeFile(entry.path().string());
  return files;
}

TEST(LexiconToolModifyTest, WritersRefuseAFileTheyCannotReadWhole) {
  TempFolder folder;
  const std::string lexicons = folder / "lexicons";
  fs::create_directory(lexicons);
  std::vector<std::string> words;
  for (int i = 0; i < 1000; ++i)
    words.push_back({'w', char('a' + i / 100), char('a' + i / 10 % 10), char('a' + i % 10)});
  const std::string cut = WriteLexicon(lexicons + "/cut.lex", words);
  fs::resize_file(cut, fs::file_size(cut) - 1000);  // header and index whole, words cut
  const std::string good = WriteLexicon(lexicons + "/good.lex", {"cat"});
  const std::string plain = folder.Write("lexicons/plain.lex", "cat\ndog\n");
  const std::string out = lexicons + "/out.lex ";
  const std::string damaged = "damaged Lexicon: ";
  const std::string notALexicon = "not a Sorvane Lexicon: ";
  const std::pair<std::string, std::string> cases[] = {
      {"add " + cut + " zzzz", damaged + cut},
      {"remove " + cut + " wabb", damaged + cut},
      {"merge " + out + good + " " + cut, damaged + cut},
      {"add " + plain + " zzz", notALexicon + plain},
      {"remove " + plain + " cat", notALexicon + plain},
      {"merge " + out + plain + " " + good, notALexicon + plain},
      {"merge " + plain + " " + good + " " + good, notALexicon + plain},
      {"info " + plain, plain + " is not a lexicon"},
  };
  const auto before = FolderFiles(lexicons);
  for (const auto& [command, message] : cases) {
    const ToolRun run = RunTool(folder, command);
    EXPECT_NE(run.status, 0) << command;
    EXPECT_THAT(run.err, HasSubstr(message)) << command;
    EXPECT_EQ(FolderFiles(lexicons), before) << command;
  }
}

TEST(LexiconToolModifyTest, WhereIsNamesTheHoldersInTheOrderGiven) {
  TempFolder folder;
  const std::string a = WriteLexicon(folder / "a.lex", InLexiconOrder({"cat", "caf\xE9"}));
  const std::string b = WriteLexicon(folder / "b.lex", {"dog"});
  const std::string c = WriteLexicon(folder / "c.lex", {"cat"});
  const std::string all = " " + c + " " + b + " " + a;
  EXPECT_THAT(Lines(RunTool(folder, "whereis cat" + all).out), ElementsAre("c.lex", "a.lex"));
  EXPECT_THAT(Lines(RunTool(folder, "whereis caf\xC3\xA9" + all).out), ElementsAre("a.lex"));
  EXPECT_THAT(Lines(RunTool(folder, "whereis Cat" + all).out), IsEmpty());
  const ToolRun pattern = RunTool(folder, "whereis '[a'" + all);
  EXPECT_EQ(pattern.status, 0);
  EXPECT_THAT(pattern.out, IsEmpty());
}

TEST(LexiconToolModifyTest, MergeInstallsTheUnionKeepingTheOldLexiconAsBackup) {
  TempFolder folder;
  const std::string a = WriteLexicon(folder / "a.lex", InLexiconOrder({"cat", "ape"}));
  const std::string b = WriteLexicon(folder / "b.lex", InLexiconOrder({"dog", "cat"}));
  const std::string out = WriteLexicon(folder / "out.lex", {"old"});
  ToolRun run = RunTool(folder, "merge " + out + " " + a + " " + b);
  EXPECT_EQ(run.status, 0) << run.err;
  EXPECT_THAT(Dump(folder, out), ElementsAre("ape", "cat", "dog"));
  EXPECT_THAT(Dump(folder, folder / "out.lxb"), ElementsAre("old"));

  run = RunTool(folder, "merge " + folder / "one.lex " + a);
  EXPECT_EQ(run.status, 2);
  EXPECT_THAT(run.err, HasSubstr("Insufficient Information: You must select 2 or more Lexicons"));
  EXPECT_FALSE(fs::exists(folder / "one.lex"));
}

}  // namespace
