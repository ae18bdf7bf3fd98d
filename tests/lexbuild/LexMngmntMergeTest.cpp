// Where Is and merging through the management core.

#include <fstream>

#include "lexbuild/LexMngmntTestSupport.h"
#include "platform/FileSys.h"
#include "platform/MessageBoxFlags.h"
#include "support/FailingInstall.h"
#include "support/ScopedFileSys.h"

namespace {

using Words = std::vector<std::string>;

constexpr const char* kInsufficient = "Insufficient Information";
const Shown kMerged{"Lexicons Merged Successfully", "Merging Lexicons", MB_OK};
const Shown kOverwrite{"Lexicon already exists. Overwrite?", "Confirm", MB_YESNO};
const Shown kDelete{"Delete Merged Lexicons.", "Confirm", MB_YESNO};

TEST_F(LexMngmntTest, WhereIsAnswersForTheWordGiven) {
  struct Case {
    std::string word;
    Shown box;
  } cases[] = {
      {"cat", {"The word you are looking for can be found in:\n\na.lex\nb.lex", "Find", MB_OK}},
      {"yak", {"The word you are looking for can be found in:\n\nsolo.lex", "Find", MB_OK}},
      {"Cat", {"Your word was not found in any Lexicons.", "Find", MB_OK}},
      {"[a", {"Your word was not found in any Lexicons.", "Find", MB_OK}},
      {"a*", {"Your word was not found in any Lexicons.", "Find", MB_OK}},
      {"?", {"Your word was not found in any Lexicons.", "Find", MB_OK}},
      {"", {"You must specify a word in the 'Enter Word' edit control.", kInsufficient, MB_OK}},
  };
  for (const Case& c : cases) {
    host.Clear();
    core.cmdWhereIsClick(c.word);
    EXPECT_EQ(Boxes(), std::vector<Shown>{c.box}) << c.word;
  }
  // A lexicon gone since the list was read: its error is shown, nothing escapes.
  std::filesystem::remove(Folder() + "b.lex");
  host.Clear();
  core.cmdWhereIsClick("cat");
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].caption, "Error");
}

struct MergeCase {
  const char* name;
  Words selection;
  std::string newName;
  bool deleteTicked;
  std::vector<int> answers;
  std::vector<Shown> boxes;
  std::vector<std::string> jobs;
  Words lexiconsAfter;  // the listed lexicons afterwards
  std::string target;   // and the target's words
  Words targetWords;
};

class LexMngmntMergeTest : public LexMngmntTest, public testing::WithParamInterface<MergeCase> {};

TEST_P(LexMngmntMergeTest, BoxesJobAndLexicons) {
  const MergeCase& c = GetParam();
  for (const int answer : c.answers) host.QueueAnswer(answer);
  core.mMode = kMergeMode;
  const LexMngmntControls controls = MergeControls(c.selection, c.newName, c.deleteTicked);
  const ViewUpdate update = core.cmdOKClick(controls);
  EXPECT_EQ(Boxes(), c.boxes);
  EXPECT_EQ(JobMessages(), c.jobs);
  EXPECT_EQ(core.LexiconNames(), c.lexiconsAfter);
  EXPECT_EQ(update.refillMergeList, !c.jobs.empty());
  if (!c.target.empty()) {
    EXPECT_EQ(WordsOf(c.target), c.targetWords);
  }
}

const Words kAll{"a.lex", "b.lex", "solo.lex"};

INSTANTIATE_TEST_SUITE_P(
    Cases, LexMngmntMergeTest,
    testing::Values(
        MergeCase{"fewer than two", {"a.lex"}, "m", false, {},
                  {{"You must select 2 or more Lexicons from the lexicon list to merge together",
                    kInsufficient, MB_OK}},
                  {}, kAll, "", {}},
        MergeCase{"no name", {"a.lex", "b.lex"}, "", false, {},
                  {{"You must enter the name of your new Lexicon", kInsufficient, MB_OK}}, {}, kAll,
                  "", {}},
        MergeCase{"a new name", {"a.lex", "b.lex"}, "m", false, {}, {kMerged}, {"Merging Lexicons"},
                  {"a.lex", "b.lex", "m.lex", "solo.lex"}, "m.lex", {"cat", "dog", "emu"}},
        MergeCase{"overwrite, yes", {"a.lex", "b.lex"}, "solo", false, {IDYES},
                  {kOverwrite, kMerged}, {"Merging Lexicons"}, kAll, "solo.lex",
                  {"cat", "dog", "emu"}},
        MergeCase{"overwrite, no", {"a.lex", "b.lex"}, "solo.lex", false, {IDNO}, {kOverwrite}, {},
                  kAll, "solo.lex", {"yak"}},
        MergeCase{"delete, yes", {"a.lex", "solo.lex"}, "m", true, {IDYES}, {kDelete, kMerged},
                  {"Merging Lexicons"}, {"b.lex", "m.lex"}, "a.lxb", {"cat", "dog"}},
        MergeCase{"delete, no", {"a.lex", "solo.lex"}, "m", true, {IDNO}, {kDelete, kMerged},
                  {"Merging Lexicons"}, {"a.lex", "b.lex", "m.lex", "solo.lex"}, "m.lex",
                  {"cat", "dog", "yak"}},
        MergeCase{"into a source's name", {"a.lex", "b.lex"}, "a", true, {IDYES, IDYES},
                  {kOverwrite, kDelete, kMerged}, {"Merging Lexicons"}, {"a.lex", "solo.lex"},
                  "a.lxb", {"cat", "dog"}}),
    [](const testing::TestParamInfo<MergeCase>& info) { return CaseName(info.param.name); });


TEST_F(LexMngmntTest, AFailedMoveRetiresNothingAndReportsNoSuccess) {
  const std::string before = ReadWholeFile(Folder() + "solo.lex");
  const auto temp = TempFiles();
  FailingInstall failing(Folder() + "solo.lex");
  ScopedFileSys scopedFileSys(failing);
  host.QueueAnswer(IDYES);  // overwrite
  host.QueueAnswer(IDYES);  // delete the sources
  core.mMode = kMergeMode;
  const LexMngmntControls controls = MergeControls({"a.lex", "b.lex"}, "solo", true);
  core.cmdOKClick(controls);
  const auto boxes = Boxes();
  EXPECT_EQ(host.Boxes().at(0).owner, &owner);
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[2].text, "Sorvane could not rename this file: \n" + Folder() + "solo.lex");
  EXPECT_TRUE(ReadWholeFile(Folder() + "solo.lex") == before);
  EXPECT_EQ(WordsOf("a.lex"), (Words{"cat", "dog"}));
  EXPECT_EQ(WordsOf("b.lex"), (Words{"cat", "emu"}));
  EXPECT_FALSE(Exists("a.lxb"));
  EXPECT_FALSE(Exists("solo.lxb"));
  EXPECT_EQ(TempFiles(), temp);
}

TEST_F(LexMngmntTest, AMergeIntoALinkToASourceKeepsTheMergedLexicon) {
  std::filesystem::create_symlink("a.lex", Folder() + "linked.lex");
  host.QueueAnswer(IDYES);  // overwrite
  host.QueueAnswer(IDYES);  // delete the sources
  core.mMode = kMergeMode;
  core.cmdOKClick(MergeControls({"a.lex", "b.lex"}, "linked", true));
  EXPECT_TRUE(std::filesystem::is_symlink(Folder() + "linked.lex"));
  EXPECT_EQ(WordsOf("a.lex"), (Words{"cat", "dog", "emu"}));
  EXPECT_EQ(WordsOf("a.lxb"), (Words{"cat", "dog"}));
  EXPECT_FALSE(Exists("b.lex"));
}

TEST_F(LexMngmntTest, AMergeRefusesATargetOrSourceItCannotReadWhole) {
  const std::string plain = Folder() + "plain.lex";
  std::ofstream(plain) << "cat\ndog\n";
  std::filesystem::resize_file(Folder() + "b.lex", kWordStreamOffset + 3);  // its words cut
  const std::string bBefore = ReadWholeFile(Folder() + "b.lex");
  core.mMode = kMergeMode;
  core.cmdOKClick(MergeControls({"a.lex", "solo.lex"}, "plain", false));
  core.cmdOKClick(MergeControls({"a.lex", "b.lex"}, "m", false));
  EXPECT_EQ(
      Boxes(),
      (std::vector<Shown>{
          {"This file is not a Sorvane Lexicon: " + plain, "Error", MB_OK},
          {"Sorvane could not read all the words of this damaged Lexicon: " + Folder() + "b.lex",
           "Sorvane Exception", MB_OK}}));
  EXPECT_EQ(ReadWholeFile(plain), "cat\ndog\n");
  EXPECT_EQ(ReadWholeFile(Folder() + "b.lex"), bBefore);
  EXPECT_FALSE(Exists("plain.lxb") || Exists("m.lex"));
}

TEST_F(LexMngmntTest, ACancelledMergeLeavesTheFolderAlone) {
  const auto temp = TempFiles();
  host.CancelJobAt(0);
  host.QueueAnswer(IDOK);
  core.mMode = kMergeMode;
  const LexMngmntControls controls = MergeControls({"a.lex", "b.lex"}, "m", true);
  core.cmdOKClick(controls);
  ASSERT_EQ(Boxes().size(), 1u);  // the cancel question only
  EXPECT_FALSE(Exists("m.lex"));
  EXPECT_EQ(core.LexiconNames(), kAll);
  EXPECT_EQ(TempFiles(), temp);
}

}  // namespace
