// Creating a lexicon from a word list through the management core: the questions, the chain's
// jobs, and the lexicon, list and selection afterwards.

#include "lexbuild/LexMngmntTestSupport.h"
#include "support/TempFolder.h"

namespace {

using Words = std::vector<std::string>;

constexpr const char* kInsufficient = "Insufficient Information";
const Shown kCreated{"Lexicon Created Successfully", "Creating Lexicon", MB_OK};
const Shown kOverwrite{"Lexicon already exists. Overwrite?", "Warning", MB_YESNO};
const Shown kNoCheck{"You have Checked the 'Add Unique Words Only' checkbox \n but have not selected "
                     "any Lexicons to check against. If \n you choose OK Sorvane will continue but "
                     "will not check\nwords against any existing Lexicons before adding them to "
                     "the \nnew Lexicon",
                     "Warning", MB_OKCANCEL};
const Words kChain{"Validating and Sorting", "Rebuilding Words", "Creating Lexicon"};

struct CreateCase {
  const char* name;
  std::string list;      // the word list's text; "-" for no file
  std::string lexicon;   // txtLexiconName
  bool uniqueOnly;
  Words checkLexicons;   // names in the Lexicons folder
  std::vector<int> answers;
  int cancelJob;
  std::vector<Shown> boxes;
  Words jobs;
  Words words;           // of the new lexicon; empty: none was made
  bool untick = false;
};

class LexMngmntCreateTest : public LexMngmntTest, public testing::WithParamInterface<CreateCase> {
 protected:
  TempFolder lists;
};

TEST_P(LexMngmntCreateTest, BoxesJobsAndLexicon) {
  const CreateCase& c = GetParam();
  for (const int answer : c.answers) host.QueueAnswer(answer);
  host.cancelJob = c.cancelJob;
  Words checks;
  for (const std::string& name : c.checkLexicons) checks.push_back(Folder() + name);
  core.SetCheckLexicons(checks, false);
  const std::string soloBefore = ReadWholeFile(Folder() + "solo.lex");
  const auto temp = TempFiles();
  LexMngmntControls controls;
  controls.fileName = c.list == "-" ? lists / "missing.txt" : lists.Write("words.txt", c.list);
  controls.lexiconName = c.lexicon;
  controls.uniqueOnly = c.uniqueOnly;
  core.mMode = kCreateMode;
  const ViewUpdate update = core.cmdOKClick(controls);
  EXPECT_EQ(Boxes(), c.boxes);
  EXPECT_EQ(JobMessages(), c.jobs);
  EXPECT_EQ(update.untickUniqueOnly, c.untick);
  EXPECT_EQ(TempFiles(), temp);
  const std::string target = Folder() + std::string(std::filesystem::path(c.lexicon).replace_extension(".lex").filename());
  if (c.words.empty()) {
    if (c.lexicon == "solo") EXPECT_TRUE(ReadWholeFile(Folder() + "solo.lex") == soloBefore);
    else EXPECT_FALSE(std::filesystem::exists(target));
    EXPECT_TRUE(Selected().empty());
    return;
  }
  EXPECT_EQ(DecodeAll(ReadWholeFile(target)), c.words);
  EXPECT_EQ(HeaderOf(ReadWholeFile(target)).defaultFlag, 1);
  EXPECT_EQ(Selected(), Words{std::filesystem::path(target).filename()});
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LexMngmntCreateTest,
    testing::Values(
        CreateCase{"missing entries", "cat\n", "", false, {}, {}, 0,
                   {{"You must supply a File Name and a Lexicon Name.", kInsufficient, MB_OK}}, {}, {}},
        CreateCase{"missing file", "-", "new", false, {}, {}, 0,
                   {{"Unable to find File: missing.txt", "Error", MB_OK}}, {}, {}},
        CreateCase{"a new lexicon", "owl\ncat\nant\n", "new.txt", false, {}, {}, 0, {kCreated},
                   kChain, {"ant", "cat", "owl"}},
        CreateCase{"unique without lexicons, OK", "owl\ncat\n", "new", true, {}, {IDOK}, 0,
                   {kNoCheck, kCreated}, kChain, {"cat", "owl"}, true},
        CreateCase{"unique without lexicons, Cancel", "owl\ncat\n", "new", true, {}, {IDCANCEL}, 0,
                   {kNoCheck}, {}, {}},
        CreateCase{"overwrite, yes", "owl\n", "solo", false, {}, {IDYES}, 0, {kOverwrite, kCreated},
                   kChain, {"owl"}},
        CreateCase{"overwrite, no", "owl\n", "solo", false, {}, {IDNO}, 0, {kOverwrite}, {}, {}},
        CreateCase{"one check lexicon", "owl\ncat\ndog\nemu\n", "new", true, {"a.lex"}, {}, 0,
                   {kCreated}, kChain, {"emu", "owl"}},
        CreateCase{"two check lexicons", "owl\ncat\ndog\nemu\n", "new", true, {"a.lex", "b.lex"}, {},
                   0, {kCreated},
                   {"Merging Lexicons", "Validating and Sorting", "Rebuilding Words",
                    "Creating Lexicon"},
                   {"owl"}},
        CreateCase{"no valid word", "12\n$$\n", "new", false, {}, {}, 0,
                   {{"No Valid words were found in the file.", "Error", MB_OK}},
                   {"Validating and Sorting"}, {}},
        CreateCase{"cancel the check merge", "owl\n", "new", true, {"a.lex", "b.lex"}, {}, 1,
                   {{"Cancel Operation?", "Confirm", MB_OKCANCEL}}, {"Merging Lexicons"}, {}},
        CreateCase{"cancel the chop", "owl\n", "new", false, {}, {}, 1,
                   {{"Cancel Operation?", "Confirm", MB_OKCANCEL}}, {"Validating and Sorting"}, {}},
        CreateCase{"cancel the merge", "owl\n", "solo", false, {}, {IDYES}, 2,
                   {kOverwrite, {"Cancel Operation?", "Confirm", MB_OKCANCEL}},
                   {"Validating and Sorting", "Rebuilding Words"}, {}},
        CreateCase{"cancel the compile", "owl\n", "solo", false, {}, {IDYES}, 3,
                   {kOverwrite, {"Cancel Operation?", "Confirm", MB_OKCANCEL}}, kChain, {}}),
    [](const testing::TestParamInfo<CreateCase>& info) { return CaseName(info.param.name); });

TEST_F(LexMngmntTest, ALexiconOutsideTheLexiconsFolderIsBuiltButSelectedNowhere) {
  TempFolder elsewhere;
  LexMngmntControls controls;
  controls.fileName = elsewhere.Write("words.txt", "owl\n");
  controls.lexiconName = elsewhere / "mine.txt";
  core.mMode = kCreateMode;
  core.cmdOKClick(controls);
  EXPECT_EQ(Boxes(), std::vector<Shown>{kCreated});
  EXPECT_EQ(DecodeAll(ReadWholeFile(elsewhere / "mine.lex")), Words{"owl"});
  EXPECT_EQ(core.LexiconNames(), (Words{"a.lex", "b.lex", "solo.lex"}));
  EXPECT_TRUE(Selected().empty());
}

TEST_F(LexMngmntTest, AFailedBackupLeavesTheOldLexiconAsItWas) {
  const std::string before = ReadWholeFile(Folder() + "solo.lex");
  const std::string oldBackup = WriteLexicon(Folder() + "solo.lxb", {"old"});
  std::filesystem::permissions(oldBackup, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::remove);
  TempFolder lists;
  LexMngmntControls controls;
  controls.fileName = lists.Write("words.txt", "owl\n");
  controls.lexiconName = "solo";
  host.QueueAnswer(IDYES);
  core.mMode = kCreateMode;
  core.cmdOKClick(controls);
  const auto boxes = Boxes();
  ASSERT_EQ(boxes.size(), 2u);  // the overwrite question, then the backup's own box
  EXPECT_EQ(boxes[1].caption, "File Error.");
  EXPECT_TRUE(ReadWholeFile(Folder() + "solo.lex") == before);
  EXPECT_TRUE(Selected().empty());
  std::filesystem::permissions(oldBackup, std::filesystem::perms::owner_write,
                               std::filesystem::perm_options::add);
}

}  // namespace
