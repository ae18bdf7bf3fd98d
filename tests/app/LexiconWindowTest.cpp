// The lexicon management dialog driven through the main window as a user drives it: each
// operation end to end, every box answered, the files read back with lexicon-tool.

#include <QApplication>
#include <QComboBox>
#include <QListWidget>
#include <QMessageBox>
#include <filesystem>

#include "app/WindowTestSupport.h"
#include "foundation/Settings.h"
#include "search/selection/VirtualLexList.h"
#include "search/selection/VirtualLexListView.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"
#include "support/ToolRun.h"

namespace {

namespace fs = std::filesystem;

// Notes, as each box shows, the items of a list or combo of the dialog beneath it ("*" marks a
// selected list item): whether the dialog refilled it before telling the outcome.
class BoxWatcher : public QObject {
 public:
  explicit BoxWatcher(const char* control) : control(control) { qApp->installEventFilter(this); }
  ~BoxWatcher() override { qApp->removeEventFilter(this); }
  std::vector<std::string> seen;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    auto* box = qobject_cast<QMessageBox*>(watched);
    if (box && event->type() == QEvent::Show)
      seen.push_back(box->text().toStdString() + ": " + Items(box->parentWidget()));
    return false;
  }

 private:
  std::string Items(QWidget* dialog) const {
    QStringList items;
    if (!dialog) return "no dialog beneath";
    if (auto* list = dialog->findChild<QListWidget*>(control)) {
      for (int i = 0; i < list->count(); ++i)
        items << (list->item(i)->isSelected() ? "*" : "") + list->item(i)->text();
    } else if (auto* combo = dialog->findChild<QComboBox*>(control)) {
      for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
    }
    return items.join(" | ").toStdString();
  }
  const char* control;
};

class LexiconWindowTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    lexicons = Settings::Instance().GetString(std::string("Folder-Lexicons")) + "/";
  }
  // The test's lexicons and backups go; the program's list is as it was.
  void TearDown() override {
    WindowTest::TearDown();
    for (const auto& entry : fs::directory_iterator(lexicons))
      if (entry.path().filename().string().rfind("wt-", 0) == 0) fs::remove(entry.path());
    VirtualLexList::Instance().ScanLexiconFolder();
  }
  void AddLexicon(const std::string& name, const std::vector<std::string>& words) {
    WriteLexicon(lexicons + name, InLexiconOrder(words));
    VirtualLexList::Instance().ScanLexiconFolder();
  }
  std::vector<std::string> Dump(const std::string& name) const {
    return ::Lines(RunTool(folder, "dump " + lexicons + name).out);
  }

  std::string lexicons;
  TempFolder folder;
};

// A word's marks take no cell: what goes in reads back the same from the saved grid.
TEST_F(LexiconWindowTest, AnInsertedWordPlacesItsLettersOnly) {
  AddLexicon("wt-marks.lex", {"abe's", "mother-in-law"});
  ActiveTab().search.Request().lexicons->SelectAll();
  const QString path = QString::fromStdString(folder / "marks.grd");
  Run({"size", "4", "3", "click", "actNewGrid", "gridtype", "0", "0", "across", "abe", "type",
       "find", "abe?", "click", "actSearch", "wait"});
  const QList<QStringList> rows = ResultCells(*window);
  int row = 0, column = -1;  // row counts from 1 once found, as the step's cells do
  while (column < 0 && row < rows.size()) column = int(rows[row++].indexOf("abe's"));
  ASSERT_GE(column, 0);
  Run({"cell", QString::number(row), QString::number(column + 1), "click", "actInsertWord"});
  EXPECT_EQ(GridRows(*window)[0], "ABES");
  Run({"file", path, "click", "actSaveGrid", "file", path, "click", "actOpenGrid"});
  EXPECT_EQ(GridRows(*window)[0], "ABES");
}

// The box the dialog's OK opens is answered too, and the dialog, still open, is then closed.
TEST_F(LexiconWindowTest, ABoxOpenedByAnAnswerIsAnsweredInTurn) {
  EXPECT_EQ(Run({"answer", "ok", "click", "actManageLexicons"}),
            "dialog Lexicon Management\n"
            "box Insufficient Information: You must specify a word in the 'Enter Word' edit "
            "control.\n");
}

TEST_F(LexiconWindowTest, CreatesFromAWordListWithAndWithoutCheckLexicons) {
  const std::string list = folder.Write("list.txt", "snarkle\ndog\nblorp\ncat\n");
  const std::string steps =
      Run({"click", "actManageLexicons", "dialog-tab", "4", "dialog-type", "txtFileName",
           QString::fromStdString(list), "dialog-type", "txtLexiconName", "wt-plain",
           "dialog-click", "cmdOK",
           // Ticked with no check lexicon chosen: built as it is, once the box is answered.
           "dialog-type", "txtLexiconName", "wt-ticked", "dialog-tick", "chkUniqueOnly", "on",
           "dialog-click", "cmdClose", "answer", "ok", "dialog-click", "cmdOK", "dialog-type",
           "txtLexiconName", "wt-unique", "dialog-tick", "chkUniqueOnly", "on", "dialog-pick",
           "chkListLexicons", "English.lex", "print", "dialog", "dialog-click", "cmdClose",
           "dialog-click", "cmdOK", "print", "dialog", "dialog-click", "cmdClose"});
  EXPECT_EQ(
      steps,
      "dialog Lexicon Management\n"
      "box Creating Lexicon: Lexicon Created Successfully\n"
      "dialog Check Against Lexicons\n"
      "box Warning: You have Checked the 'Add Unique Words Only' checkbox \\n but have not "
      "selected any Lexicons to check against. If \\n you choose OK Sorvane will continue but "
      "will not check\\nwords against any existing Lexicons before adding them to the \\nnew "
      "Lexicon\n"
      "box Creating Lexicon: Lexicon Created Successfully\n"
      "dialog Check Against Lexicons\n"
      "dialog Check Against Lexicons\n"
      "  chkListLexicons: [x] English.lex | [ ] wt-plain.lex | [ ] wt-ticked.lex\n"
      "  chkStrictChecking: [ ] Strict Checking\n"
      "box Creating Lexicon: Lexicon Created Successfully\n"
      "dialog Lexicon Management\n"
      "  pgeLexMngmnt: Create Lexicon From File\n"
      "  txtFileName: " +
          list +
          "\n"
          "  txtLexiconName: wt-unique\n"
          "  chkUniqueOnly: [x] Add Unique Words Only\n");
  const std::vector<std::string> all = {"cat", "dog", "blorp", "snarkle"};
  EXPECT_EQ(Dump("wt-plain.lex"), all);
  EXPECT_EQ(Dump("wt-ticked.lex"), all);
  EXPECT_EQ(Dump("wt-unique.lex"), (std::vector<std::string>{"blorp", "snarkle"}));
}

TEST_F(LexiconWindowTest, AddsRemovesAndFindsAWord) {
  AddLexicon("wt-small.lex", {"cat", "dog"});
  AddLexicon("wt-one.lex", {"yak"});
  BoxWatcher removeCombo("cboRemoveLexicons");
  const std::string steps =
      Run({"click", "actManageLexicons",
           // "emu" is in English.lex too: added anyway.
           "dialog-type", "txtAddWord", "emu", "dialog-pick", "cboAddLexicons", "wt-small.lex",
           "answer", "yes", "dialog-click", "cmdOK", "dialog-click", "cmdAddWhereIs", "dialog-tab",
           "2", "dialog-type", "txtRemoveWord", "dog", "dialog-pick", "cboRemoveLexicons",
           "wt-small.lex", "dialog-click", "cmdOK", "print", "dialog",
           // Its only word removed, the lexicon is retired.
           "dialog-type", "txtRemoveWord", "yak", "dialog-pick", "cboRemoveLexicons", "wt-one.lex",
           "dialog-click", "cmdOK", "dialog-click", "cmdClose"});
  EXPECT_EQ(
      steps,
      "dialog Lexicon Management\n"
      "box Warning: Your word can already be found in:\\n\\nEnglish.lex\\n\\nDo you wish "
      "to add your word anyway?\n"
      "box Add Word: Word Added Successfully\n"
      "box Find: The word you are looking for can be found in:\\n\\nEnglish.lex\\nwt-small.lex\n"
      "box Remove Word: Word Removed Successfully\n"
      "dialog Lexicon Management\n"
      "  pgeLexMngmnt: Remove Word\n"
      "  txtRemoveWord: dog\n"
      "  cboRemoveLexicons: wt-small.lex [English.lex | wt-one.lex | wt-small.lex]\n"
      "box Remove Word: Word Removed Successfully\n");
  EXPECT_EQ(Dump("wt-small.lex"), (std::vector<std::string>{"cat", "emu"}));
  EXPECT_FALSE(fs::exists(lexicons + "wt-one.lex"));
  EXPECT_EQ(removeCombo.seen.back(), "Word Removed Successfully: English.lex | wt-small.lex");
}

TEST_F(LexiconWindowTest, MergesTwoLexiconsAndRetiresThem) {
  AddLexicon("wt-a.lex", {"cat", "dog"});
  AddLexicon("wt-b.lex", {"dog", "emu"});
  BoxWatcher mergeList("dictListBox");
  const std::string steps = Run({"click",          "actManageLexicons",
                                 "dialog-tab",     "3",
                                 "dialog-pick",    "dictListBox",
                                 "wt-a.lex",       "dialog-pick",
                                 "dictListBox",    "wt-b.lex",
                                 "dialog-type",    "newDictEdit",
                                 "wt-m",           "dialog-tick",
                                 "chkDeleteDicts", "on",
                                 "answer",         "yes",
                                 "dialog-click",   "cmdOK",
                                 "print",          "dialog",
                                 "dialog-click",   "cmdClose"});
  EXPECT_EQ(steps,
            "dialog Lexicon Management\n"
            "box Confirm: Delete Merged Lexicons.\n"
            "box Merging Lexicons: Lexicons Merged Successfully\n"
            "dialog Lexicon Management\n"
            "  pgeLexMngmnt: Merge Lexicons\n"
            "  dictListBox: English.lex | wt-m.lex\n"
            "  newDictEdit: wt-m\n"
            "  chkDeleteDicts: [x] Delete Lexicons\n");
  EXPECT_EQ(mergeList.seen, (std::vector<std::string>{
                                "Delete Merged Lexicons.: English.lex | *wt-a.lex | *wt-b.lex",
                                "Lexicons Merged Successfully: English.lex | wt-m.lex"}));
  EXPECT_EQ(Dump("wt-m.lex"), (std::vector<std::string>{"cat", "dog", "emu"}));
  EXPECT_FALSE(fs::exists(lexicons + "wt-a.lex"));
  EXPECT_EQ(Dump("wt-b.lxb"), (std::vector<std::string>{"dog", "emu"}));
}

}  // namespace
