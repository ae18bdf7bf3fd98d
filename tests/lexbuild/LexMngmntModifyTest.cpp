// Adding and removing words through the management core: every question and message in order,
// the job run or not, and the lexicons, list and selection afterwards.

#include "lexbuild/LexMngmntTestSupport.h"
#include "platform/MessageBoxFlags.h"

namespace {

using Words = std::vector<std::string>;

constexpr const char* kInsufficient = "Insufficient Information";
constexpr const char* kNoWord = "You must specify a word in the 'Enter Word' edit control.";
constexpr const char* kNotFound = "The word to be removed could not be found.";

struct ModifyCase {
  const char* name;
  uint8_t mode;
  std::string word;
  std::string combo;
  std::vector<int> answers;  // to the boxes, in order
  std::vector<Shown> boxes;
  std::vector<std::string> jobs;
  std::string lexicon = {};  // a lexicon to look at afterwards
  Words words = {};          // its words; empty when it is gone
  bool focus = false;
  int beeps = 0;
};

class LexMngmntModifyTest : public LexMngmntTest,
                            public testing::WithParamInterface<ModifyCase> {};

TEST_P(LexMngmntModifyTest, BoxesJobAndFiles) {
  const ModifyCase& c = GetParam();
  for (const int answer : c.answers) host.QueueAnswer(answer);
  core.mMode = c.mode;
  const LexMngmntControls controls = WordControls(c.word, c.combo, core.LexiconNames());
  const ViewUpdate update = core.cmdOKClick(controls);
  EXPECT_EQ(Boxes(), c.boxes);
  EXPECT_EQ(JobMessages(), c.jobs);
  EXPECT_EQ(host.Beeps(), c.beeps);
  EXPECT_EQ(update.focusWordEdit, c.focus);
  EXPECT_EQ(update.refillCombo, !c.jobs.empty());
  if (!c.lexicon.empty()) {
    if (c.words.empty()) {
      EXPECT_FALSE(Exists(c.lexicon));
    } else {
      EXPECT_EQ(WordsOf(c.lexicon), c.words);
    }
  }
}

const Shown kAdded{"Word Added Successfully", "Add Word", MB_OK};
const Shown kRemoved{"Word Removed Successfully", "Remove Word", MB_OK};

INSTANTIATE_TEST_SUITE_P(
    Cases, LexMngmntModifyTest,
    testing::Values(
        ModifyCase{"empty", kAddWordMode, "", "a.lex", {}, {{kNoWord, kInsufficient, MB_OK}}, {}},
        ModifyCase{"invalid", kAddWordMode, "caf\xE9?", "a.lex", {},
                   {{"café? is not a valid Sorvane word.", kInsufficient, MB_OK}}, {}, "", {}, true},
        ModifyCase{"no lexicon", kAddWordMode, "gnu", "", {},
                   {{"Please select a Lexicon.", kInsufficient, MB_OK}}, {}},
        ModifyCase{"already contains", kAddWordMode, "cat", "a.lex", {},
                   {{"a.lex already contains the word 'cat'", "Error", MB_OK}}, {}, "a.lex",
                   {"cat", "dog"}},
        ModifyCase{"held elsewhere, yes", kAddWordMode, "emu", "a", {IDYES},
                   {{"Your word can already be found in:\n\nb.lex\n\nDo you wish to add your word "
                     "anyway?", "Warning", MB_YESNO},
                    kAdded},
                   {"Adding Word"}, "a.lex", {"cat", "dog", "emu"}, true},
        ModifyCase{"held elsewhere, no", kAddWordMode, "emu", "a.lex", {IDNO},
                   {{"Your word can already be found in:\n\nb.lex\n\nDo you wish to add your word "
                     "anyway?", "Warning", MB_YESNO}},
                   {}, "a.lex", {"cat", "dog"}},
        ModifyCase{"another extension names the lexicon", kAddWordMode, "gnu", "a.txt", {},
                   {kAdded}, {"Adding Word"}, "a.lex", {"cat", "dog", "gnu"}, true},
        ModifyCase{"remove, held nowhere", kRemoveWordMode, "gnu", "a.lex", {},
                   {{kNotFound, "Warning", MB_OK}}, {}},
        ModifyCase{"remove from an unknown name", kRemoveWordMode, "cat", "x.lex", {},
                   {{"Sorvane does not recognise your chosen dictionary. Please select a "
                     "dictionary from the drop-down list.", kInsufficient, MB_OK}},
                   {}, "x.lex", {}},
        ModifyCase{"new lexicon, no", kAddWordMode, "gnu", "new", {IDNO},
                   {{"Do you wish to create a new lexicon", "New Lexicon", MB_YESNO}}, {}, "new.lex",
                   {}},
        ModifyCase{"remove held only elsewhere: code 2", kRemoveWordMode, "emu", "a.lex", {},
                   {{kNotFound, "Lexicon Update Failed.", MB_OK | MB_ICONERROR}}, {"Removing Word"},
                   "a.lex", {"cat", "dog"}, true, 1},
        ModifyCase{"remove a word", kRemoveWordMode, "dog", "a.lex", {}, {kRemoved},
                   {"Removing Word"}, "a.lex", {"cat"}, true},
        ModifyCase{"remove the only word: code 7", kRemoveWordMode, "yak", "solo.lex", {},
                   {kRemoved}, {"Removing Word"}, "solo.lex", {}, true}),
    [](const testing::TestParamInfo<ModifyCase>& info) { return CaseName(info.param.name); });

TEST_F(LexMngmntTest, ANewLexiconIsMarkedListedAndSelected) {
  host.QueueAnswer(IDYES);
  core.mMode = kAddWordMode;
  const LexMngmntControls controls = WordControls("gnu", "new", core.LexiconNames());
  const ViewUpdate update = core.cmdOKClick(controls);
  EXPECT_EQ(WordsOf("new.lex"), Words{"gnu"});
  EXPECT_EQ(HeaderOf(ReadWholeFile(Folder() + "new.lex")).defaultFlag, 1);
  EXPECT_EQ(core.LexiconNames(), (Words{"a.lex", "b.lex", "new.lex", "solo.lex"}));
  EXPECT_EQ(Selected(), Words{"new.lex"});
  EXPECT_TRUE(update.refillCombo);
  EXPECT_EQ(update.comboSelection, "new.lex");
}

TEST_F(LexMngmntTest, RemovingTheOnlyWordRetiresTheLexiconFromEveryList) {
  VirtualLexListView other(list);  // another tab holding it selected
  other.Select(2);
  core.mMode = kRemoveWordMode;
  const LexMngmntControls controls = WordControls("yak", "solo.lex", core.LexiconNames());
  core.cmdOKClick(controls);
  EXPECT_FALSE(Exists("solo.lex"));
  EXPECT_EQ(DecodeAll(ReadWholeFile(Folder() + "solo.lxb")), Words{"yak"});
  EXPECT_EQ(core.LexiconNames(), (Words{"a.lex", "b.lex"}));
  EXPECT_EQ(other.Entries().size(), 2u);
}

TEST_F(LexMngmntTest, ACancelledJobShowsNothingAndChangesNothing) {
  const std::string before = ReadWholeFile(Folder() + "a.lex");
  host.CancelJobAt(0);
  host.QueueAnswer(IDOK);  // "Cancel Operation?"
  core.mMode = kAddWordMode;
  const LexMngmntControls controls = WordControls("gnu", "a.lex", core.LexiconNames());
  const ViewUpdate update = core.cmdOKClick(controls);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Cancel Operation?");
  EXPECT_TRUE(ReadWholeFile(Folder() + "a.lex") == before);
  EXPECT_TRUE(update.refillCombo);
  EXPECT_EQ(update.comboSelection, "a.lex");
}

TEST_F(LexMngmntTest, AFailureIsShownAsAnError) {
  std::filesystem::remove(Folder() + "b.lex");  // gone since the list was read
  core.mMode = kAddWordMode;
  const LexMngmntControls controls = WordControls("gnu", "a.lex", core.LexiconNames());
  core.cmdOKClick(controls);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].caption, "Error");
  EXPECT_EQ(WordsOf("a.lex"), (Words{"cat", "dog"}));
}

}  // namespace
