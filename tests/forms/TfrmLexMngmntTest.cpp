// The lexicon management and check-lexicons dialogs, offscreen: each tab's show, OK around the
// operation, Where Is, Browse and the Add Unique box.

#include "lexbuild/forms/TfrmLexMngmnt.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>

#include "foundation/FolderPaths.h"
#include "foundation/ResStrings.h"
#include "lexbuild/forms/TfrmCheckLexicons.h"
#include "platform/ScriptedHost.h"
#include "platform/qt/QtText.h"
#include "search/selection/VirtualLexList.h"
#include "search/selection/VirtualLexListView.h"
#include "support/LexiconFiles.h"
#include "support/Screenshots.h"
#include "support/TestSettings.h"

namespace {

// Records, with each box, whether the dialog's two buttons could be pressed while it showed.
class WatchingHost : public ScriptedHost {
 public:
  int ShowMessage(const MessageRequest& request) override {
    if (watch) buttonsEnabled.push_back(watch());
    if (look) seen.push_back(request.text + ": " + look());
    return ScriptedHost::ShowMessage(request);
  }
  std::function<bool()> watch;
  std::function<std::string()> look;  // what the dialog shows as a box opens
  std::vector<std::string> seen;
  std::vector<bool> buttonsEnabled;
};

// Runs action on the next modal dialog that opens, once the event loop has shown it.
void OnNextModal(const std::function<void(QWidget*)>& action) {
  QTimer::singleShot(0, [action] {
    QWidget* modal = QApplication::activeModalWidget();
    ASSERT_NE(modal, nullptr);
    action(modal);
  });
}

class LexiconDialogsTest : public testing::Test {
 protected:
  void AddLexicons(const std::vector<std::string>& names) {
    const std::string folder = settings.LexiconsFolderPath() + "/";
    WriteLexicon(folder + "a.lex", {"cat", "dog"});
    for (const std::string& name : names) WriteLexicon(folder + name, {"yak"});
    list.ScanLexiconFolder();
  }
  void Open() {
    dialog = std::make_unique<TfrmLexMngmnt>(view, nullptr);
    dialog->show();
    host.watch = [this] { return Find<QPushButton>("cmdOK")->isEnabled() || Find<QPushButton>("cmdClose")->isEnabled(); };
  }
  template <typename Widget>
  Widget* Find(const char* name) const {
    Widget* widget = dialog->findChild<Widget*>(name);
    EXPECT_NE(widget, nullptr) << name;
    return widget;
  }
  void ShowTab(int index) { Find<QTabWidget>("pgeLexMngmnt")->setCurrentIndex(index); }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const MessageRequest& box : host.Boxes()) texts.push_back(box.text);
    return texts;
  }

  TestSettings settings;
  WatchingHost host;
  ScopedHost scope{host};
  VirtualLexList list;
  VirtualLexListView view{list};
  std::unique_ptr<TfrmLexMngmnt> dialog;
};

TEST_F(LexiconDialogsTest, EachTabShowsItsModeCaptionHelpAndLexicons) {
  AddLexicons({"solo.lex"});
  Open();
  auto* ok = Find<QPushButton>("cmdOK");
  auto* addCombo = Find<QComboBox>("cboAddLexicons");
  EXPECT_EQ(ok->text(), "&Add");
  EXPECT_EQ(dialog->Core().mMode, kAddWordMode);
  EXPECT_EQ(addCombo->count(), 2);
  EXPECT_EQ(addCombo->currentText(), "a.lex");

  struct Tab {
    int index;
    const char* caption;
    int helpContext;
  };
  for (const Tab& tab : {Tab{1, "&Remove", 230}, Tab{2, "&Merge", 250}, Tab{3, "&Create", 240},
                         Tab{0, "&Add", 220}}) {
    ShowTab(tab.index);
    EXPECT_EQ(ok->text(), tab.caption);
    EXPECT_EQ(dialog->Core().mMode, tab.index);
    EXPECT_EQ(GetHelpContext(), tab.helpContext);
  }
  EXPECT_EQ(Find<QComboBox>("cboRemoveLexicons")->currentIndex(), 0);
  auto* merge = Find<QListWidget>("dictListBox");
  EXPECT_EQ(merge->count(), 2);
  EXPECT_TRUE(merge->selectedItems().isEmpty());

  // Coming back to a word tab refills its combo, dropping what was typed.
  addCombo->setEditText("typed");
  ShowTab(2);
  ShowTab(0);
  EXPECT_EQ(addCombo->currentText(), "a.lex");
}

TEST_F(LexiconDialogsTest, WithoutLexiconsEverythingIsEmpty) {
  Open();
  EXPECT_EQ(Find<QComboBox>("cboAddLexicons")->count(), 0);
  EXPECT_EQ(Find<QComboBox>("cboAddLexicons")->currentIndex(), -1);
  ShowTab(1);
  EXPECT_EQ(Find<QComboBox>("cboRemoveLexicons")->currentIndex(), -1);
  ShowTab(2);
  EXPECT_EQ(Find<QListWidget>("dictListBox")->count(), 0);
}

TEST_F(LexiconDialogsTest, OkRunsTheOperationWithBothButtonsDisabled) {
  AddLexicons({});
  Open();
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);  // no word
  ASSERT_EQ(BoxTexts(), std::vector<std::string>{
                            "You must specify a word in the 'Enter Word' edit control."});
  EXPECT_EQ(host.buttonsEnabled, std::vector<bool>{false});
  EXPECT_TRUE(Find<QPushButton>("cmdOK")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("cmdClose")->isEnabled());

  // An add that works, then one that fails: both buttons come back either way.
  host.Clear();
  QTest::keyClicks(Find<QLineEdit>("txtAddWord"), "emu");
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Word Added Successfully"});
  EXPECT_EQ(DecodeAll(ReadWholeFile(settings.LexiconsFolderPath() + "/a.lex")),
            (std::vector<std::string>{"cat", "dog", "emu"}));
  host.Clear();
  std::filesystem::remove(settings.LexiconsFolderPath() + "/a.lex");
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].caption, "Error");
  EXPECT_TRUE(Find<QPushButton>("cmdOK")->isEnabled());
  EXPECT_TRUE(Find<QPushButton>("cmdClose")->isEnabled());
}

// Each outcome's box shows over lists that already tell it: the emptied lexicon gone, the new
// one listed, the retired sources gone with nothing selected.
TEST_F(LexiconDialogsTest, TheListsAreRefilledBeforeTheOutcomesBox) {
  AddLexicons({"b.lex"});
  Open();
  const auto items = [](auto* control, auto text) {
    std::string shown;
    for (int i = 0; i < control->count(); ++i) shown += text(control, i) + " ";
    return shown;
  };
  auto* removeCombo = Find<QComboBox>("cboRemoveLexicons");
  auto* addCombo = Find<QComboBox>("cboAddLexicons");
  auto* merge = Find<QListWidget>("dictListBox");
  const auto comboText = [](QComboBox* c, int i) { return c->itemText(i).toStdString(); };
  const auto listText = [](QListWidget* l, int i) {
    return (l->item(i)->isSelected() ? "*" : "") + l->item(i)->text().toStdString();
  };

  ShowTab(1);
  QTest::keyClicks(Find<QLineEdit>("txtRemoveWord"), "yak");
  removeCombo->setCurrentIndex(removeCombo->findText("b.lex"));
  host.look = [&] { return items(removeCombo, comboText); };
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);

  ShowTab(0);
  QTest::keyClicks(Find<QLineEdit>("txtAddWord"), "emu");
  addCombo->setEditText("n");
  host.look = [&] { return items(addCombo, comboText); };
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);

  ShowTab(2);
  merge->item(0)->setSelected(true);
  merge->item(1)->setSelected(true);
  Find<QLineEdit>("newDictEdit")->setText("m");
  Find<QCheckBox>("chkDeleteDicts")->setChecked(true);
  host.look = [&] { return items(merge, listText); };
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);

  EXPECT_EQ(host.seen, (std::vector<std::string>{
                           "Word Removed Successfully: a.lex ",
                           "Do you wish to create a new lexicon: a.lex ",
                           "Word Added Successfully: a.lex n.lex ",
                           "Delete Merged Lexicons.: *a.lex *n.lex ",
                           "Lexicons Merged Successfully: m.lex ",
                       }));
}

TEST_F(LexiconDialogsTest, WhereIsTakesItsOwnTabsWord) {
  AddLexicons({"solo.lex"});
  Open();
  QTest::keyClicks(Find<QLineEdit>("txtAddWord"), "cat");
  ShowTab(1);
  QTest::keyClicks(Find<QLineEdit>("txtRemoveWord"), "yak");
  QTest::mouseClick(Find<QPushButton>("cmdRemoveWhereIs"), Qt::LeftButton);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "The word you are looking for can be found in:\n\nsolo.lex"});
  host.Clear();
  ShowTab(0);
  QTest::mouseClick(Find<QPushButton>("cmdAddWhereIs"), Qt::LeftButton);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{
                            "The word you are looking for can be found in:\n\na.lex"});
}

// A name that is not valid UTF-8, as older systems wrote them, is shown as best it can; every
// job works on the file it names.
TEST_F(LexiconDialogsTest, ANameOutsideUtf8NamesItsOwnFileInEveryJob) {
  const std::string latin1 = "caf\xE9.lex";
  const std::string folder = settings.LexiconsFolderPath() + "/";
  AddLexicons({latin1});
  Open();
  const auto run = [&](const char* combo, const char* edit, const char* word) {
    auto* lexicons = Find<QComboBox>(combo);
    lexicons->setCurrentIndex(lexicons->findText(FileNameToQString(latin1)));
    Find<QLineEdit>(edit)->setText(word);
    QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
  };
  run("cboAddLexicons", "txtAddWord", "zebra");
  QTest::mouseClick(Find<QPushButton>("cmdAddWhereIs"), Qt::LeftButton);
  ShowTab(1);
  run("cboRemoveLexicons", "txtRemoveWord", "yak");
  EXPECT_EQ(BoxTexts(),
            (std::vector<std::string>{"Word Added Successfully",
                                      "The word you are looking for can be found in:\n\n" + latin1,
                                      "Word Removed Successfully"}));
  EXPECT_EQ(DecodeAll(ReadWholeFile(folder + latin1)), std::vector<std::string>{"zebra"});

  TfrmCheckLexicons check(nullptr, list);
  check.show();
  auto* checkItems = check.findChild<QListWidget*>("chkListLexicons");
  checkItems->findItems(FileNameToQString(latin1), Qt::MatchExactly)[0]->setCheckState(Qt::Checked);
  check.close();
  EXPECT_EQ(check.GetCheckLexicons(), std::vector<std::string>{folder + latin1});

  ShowTab(2);
  auto* merge = Find<QListWidget>("dictListBox");
  for (int row = 0; row < merge->count(); ++row) merge->item(row)->setSelected(true);
  Find<QLineEdit>("newDictEdit")->setText("m");
  Find<QCheckBox>("chkDeleteDicts")->setChecked(true);
  QTest::mouseClick(Find<QPushButton>("cmdOK"), Qt::LeftButton);
  EXPECT_EQ(DecodeAll(ReadWholeFile(folder + "m.lex")),
            (std::vector<std::string>{"cat", "dog", "zebra"}));
  EXPECT_FALSE(std::filesystem::exists(folder + latin1));
  EXPECT_FALSE(std::filesystem::exists(folder + "caf\xEF\xBF\xBD.lex"));
}

TEST_F(LexiconDialogsTest, WordEditsRefuseCharactersOutsideTheCharacterSet) {
  Open();
  auto* edit = Find<QLineEdit>("txtAddWord");
  edit->insert(QString::fromUtf8("caf\xC3\xA9"));
  edit->insert(QString::fromUtf8("\xE3\x81\x82"));  // typed or pasted: refused whole
  EXPECT_EQ(edit->text(), QString::fromUtf8("caf\xC3\xA9"));
  // Names take any character but the controls, which would show as a space or as nothing.
  for (const char* name : {"newDictEdit", "txtFileName", "txtLexiconName"}) {
    Find<QLineEdit>(name)->setText("a");
    Find<QLineEdit>(name)->insert("b\nc");
    EXPECT_EQ(Find<QLineEdit>(name)->text(), "a") << name;
  }
}

TEST_F(LexiconDialogsTest, BrowseFillsTheFileName) {
  Open();
  ShowTab(3);
  dialog->SetFileChooser([](QWidget*) { return QString("/words/list.txt"); });
  QTest::mouseClick(Find<QPushButton>("cmdBrowse"), Qt::LeftButton);
  auto* fileName = Find<QLineEdit>("txtFileName");
  EXPECT_EQ(fileName->text(), "/words/list.txt");
  EXPECT_EQ(fileName->cursorPosition(), fileName->text().size());
  dialog->SetFileChooser([](QWidget*) { return QString(); });
  QTest::mouseClick(Find<QPushButton>("cmdBrowse"), Qt::LeftButton);
  EXPECT_EQ(fileName->text(), "/words/list.txt");
}

TEST_F(LexiconDialogsTest, TickingAddUniqueOpensTheCheckDialogUntickingDoesNot) {
  AddLexicons({"solo.lex"});
  Open();
  ShowTab(3);
  auto* unique = Find<QCheckBox>("chkUniqueOnly");
  int opened = 0;
  OnNextModal([&](QWidget* modal) {
    ++opened;
    auto* lexicons = modal->findChild<QListWidget*>("chkListLexicons");
    lexicons->item(1)->setCheckState(Qt::Checked);
    modal->findChild<QCheckBox*>("chkStrictChecking")->setChecked(true);
    QTest::mouseClick(modal->findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
  });
  QTest::mouseClick(unique, Qt::LeftButton);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(dialog->Core().mCheckLexicons,
            std::vector<std::string>{settings.LexiconsFolderPath() + "/solo.lex"});
  EXPECT_TRUE(dialog->Core().mStrictChecking);
  QTest::mouseClick(unique, Qt::LeftButton);  // unticked: nothing opens, the choice stays
  QApplication::processEvents();
  EXPECT_FALSE(unique->isChecked());
  EXPECT_EQ(dialog->Core().mCheckLexicons.size(), 1u);
}

TEST_F(LexiconDialogsTest, CheckDialogListsSortedAndCollectsOnEveryClose) {
  AddLexicons({"b.lex", "C.lex", "A2.lex"});
  using Close = std::function<void(TfrmCheckLexicons&)>;
  const Close closes[] = {
      [](TfrmCheckLexicons& d) {
        QTest::mouseClick(d.findChild<QPushButton*>("cmdClose"), Qt::LeftButton);
      },
      [](TfrmCheckLexicons& d) { QTest::keyClick(&d, Qt::Key_Escape); },
      [](TfrmCheckLexicons& d) { d.close(); },  // the title bar
  };
  const std::string folder = settings.LexiconsFolderPath() + "/";
  for (const Close& close : closes) {
    TfrmCheckLexicons check(nullptr, list);
    check.show();
    auto* items = check.findChild<QListWidget*>("chkListLexicons");
    QStringList names;
    for (int row = 0; row < items->count(); ++row) names << items->item(row)->text();
    EXPECT_EQ(names, (QStringList{"a.lex", "A2.lex", "b.lex", "C.lex"}));
    EXPECT_FALSE(check.findChild<QCheckBox*>("chkStrictChecking")->isChecked());
    items->item(3)->setCheckState(Qt::Checked);
    items->item(1)->setCheckState(Qt::Checked);
    close(check);
    EXPECT_EQ(check.GetCheckLexicons(), (std::vector<std::string>{folder + "A2.lex", folder + "C.lex"}));
    EXPECT_FALSE(check.StrictChecking());
  }
}

TEST_F(LexiconDialogsTest, Screenshots) {
  AddLexicons({"british.lex", "solo.lex"});
  Open();
  for (int tab = 0; tab < 4; ++tab) {
    ShowTab(tab);
    EXPECT_TRUE(dialog->grab().save(ScreenshotPath("LexMngmnt" + std::to_string(tab) + ".png")));
  }
  TfrmCheckLexicons check(nullptr, list);
  check.show();
  EXPECT_TRUE(check.grab().save(ScreenshotPath("CheckLexicons.png")));
}

}  // namespace
