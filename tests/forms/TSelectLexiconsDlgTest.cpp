#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <cstdlib>
#include <ctime>
#include <filesystem>

#include "foundation/ResStrings.h"
#include "foundation/forms/MenuPainter.h"
#include "platform/MessageBoxFlags.h"
#include "platform/qt/QtHost.h"
#include "search/forms/HostDialogs.h"
#include "search/forms/TSelectLexiconsDlg.h"
#include "search/selection/LexiconFolderTest.h"
#include "search/selection/SelectLexiconsDialog.h"
#include "search/selection/VirtualLexListView.h"
#include "support/Screenshots.h"

namespace {

using ::testing::ElementsAre;

// A scripted host whose message pump runs the GUI's events, as the program's does.
class PumpingHost : public ScriptedHost {
 public:
  void PumpMessages() override {
    ++pumps;
    QCoreApplication::processEvents();
  }
  int pumps = 0;
};

class TSelectLexiconsDlgTest : public LexiconFolderTest {
 protected:
  TSelectLexiconsDlgTest() {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
  }
  ~TSelectLexiconsDlgTest() override {
    dialog.reset();
    view.reset();
  }

  // Scans the Lexicons folder and opens the dialog over a fresh selection.
  void Open() {
    list.ScanLexiconFolder();
    view.emplace(list);
    dialog.emplace(nullptr, *view);
  }
  QTreeWidget* List() const { return dialog->findChild<QTreeWidget*>("ListView1"); }
  QPushButton* Button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
  // The entry of the main menu (or, with popup, of the context menu) with that caption.
  QAction* Command(const QString& caption, bool popup = false) const {
    for (QMenu* menu : dialog->findChildren<QMenu*>()) {
      if ((menu->title().isEmpty()) != popup) continue;
      for (QAction* action : menu->actions())
        if (action->text() == caption) return action;
    }
    ADD_FAILURE() << "no command " << caption.toStdString();
    return nullptr;
  }
  std::vector<std::string> Column(int column) const {
    std::vector<std::string> texts;
    for (int i = 0; i < List()->topLevelItemCount(); ++i)
      texts.push_back(List()->topLevelItem(i)->text(column).toStdString());
    return texts;
  }
  std::vector<int> Images() const {
    std::vector<int> images;
    for (int i = 0; i < List()->topLevelItemCount(); ++i)
      images.push_back(
          List()->topLevelItem(i)->data(0, TSelectLexiconsDlg::kImageIndexRole).toInt());
    return images;
  }
  void Highlight(std::initializer_list<int> rows) {
    List()->clearSelection();
    for (int row : rows) List()->topLevelItem(row)->setSelected(true);
  }
  void DoubleClick() {
    QTreeWidgetItem* row = List()->topLevelItem(0);
    emit List()->itemDoubleClicked(row, 0);
  }
  const VirtualLex& Lexicon(const std::string& name) const {
    return *view->Find(lexicons + name)->lexicon;
  }
  void SetTimes(const std::string& name, uint32_t compiled, uint32_t modified) const {
    VirtualLex lexicon(lexicons + name);
    lexicon.ReadHeader();
    lexicon.header.compileTime = compiled;
    lexicon.header.modifyTime = modified;
    lexicon.WriteHeader();
  }

  VirtualLexList list;
  std::optional<VirtualLexListView> view;
  std::optional<TSelectLexiconsDlg> dialog;
};

TEST_F(TSelectLexiconsDlgTest, WidthsComeFromTheSampleTexts) {
  AddLexicon("a.lex");
  Open();
  const QFontMetrics metrics(dialog->font());
  const int columns[] = {
      metrics.horizontalAdvance("Master.lex8888888888"), metrics.horizontalAdvance("8888888888"),
      metrics.horizontalAdvance("88/88/888888"), metrics.horizontalAdvance("88/88/888888")};
  for (int i = 0; i < 4; ++i) EXPECT_EQ(List()->header()->sectionSize(i), columns[i]) << i;
  // Never narrower than its buttons need.
  EXPECT_EQ(dialog->width(), std::max(columns[0] + columns[1] + columns[2] + columns[3] + 10,
                                      dialog->minimumSizeHint().width()));
  EXPECT_EQ(dialog->height(), 262);
  EXPECT_EQ(dialog->windowTitle(), "Select Lexicons");

  dialog->show();
  QPushButton* selectAll = Button("cmdSelectAll");
  QPushButton* deselectAll = Button("cmdDeselectAll");
  QPushButton* close = Button("cmdClose");
  const int width = deselectAll->width();
  EXPECT_GE(width, metrics.horizontalAdvance("&Deselect All") + 10);
  EXPECT_EQ(selectAll->width(), width);
  EXPECT_EQ(close->width(), width);
  EXPECT_EQ(deselectAll->x(), selectAll->x() + width + 4);
  EXPECT_EQ(close->x(), dialog->width() - width - 4);
  EXPECT_TRUE(close->isDefault());
  dialog->grab().save(ScreenshotPath("select-lexicons.png"));
}

TEST_F(TSelectLexiconsDlgTest, MoreLexiconsThanRowsMakeRoomForTheScrollBar) {
  for (int i = 0; i < 40; ++i) AddLexicon("lex" + std::to_string(100 + i) + ".lex");
  Open();
  int sum = 0;
  for (int i = 0; i < 4; ++i) sum += List()->header()->sectionSize(i);
  EXPECT_EQ(
      dialog->width(),
      std::max(sum + 10 + dialog->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, List()),
               dialog->minimumSizeHint().width()));
}

TEST_F(TSelectLexiconsDlgTest, RowsShowNameWordsAndDatesSortedByName) {
  AddLexicon("b.lex", true, {"ox", "yak", "zebu"});
  AddLexicon("Ab.lex", false, {"ox"});
  AddLexicon("c.lex", false, {"cat", "dog"});
  SetTimes("b.lex", 1580601600, 0);            // 2 Feb 2020, never modified
  SetTimes("Ab.lex", 1580601600, 1609459200);  // modified 1 Jan 2021
  SetTimes("c.lex", 946684800, 0);             // 1 Jan 2000
  Open();
  EXPECT_THAT(Column(0), ElementsAre("Ab.lex", "b.lex", "c.lex"));
  EXPECT_THAT(Column(1), ElementsAre("1", "3", "2"));
  EXPECT_THAT(Column(2), ElementsAre("02/02/2020", "02/02/2020", "01/01/2000"));
  EXPECT_THAT(Column(3), ElementsAre("01/01/2021", "02/02/2020", "01/01/2000"));
  EXPECT_THAT(Images(), ElementsAre(0, 1, 0));
  EXPECT_EQ(List()->topLevelItem(1)->textAlignment(1) & Qt::AlignRight, Qt::AlignRight);
}

TEST_F(TSelectLexiconsDlgTest, TogglingTwiceAcquiresAndReleasesOnce) {
  AddLexicon("a.lex");
  AddLexicon("b.lex");
  Open();
  DoubleClick();  // nothing highlighted: nothing happens
  EXPECT_THAT(Images(), ElementsAre(0, 0));

  Highlight({1});
  DoubleClick();  // the first highlighted row, whichever was clicked
  EXPECT_THAT(Images(), ElementsAre(0, 1));
  EXPECT_EQ(Lexicon("b.lex").UsageCount(), 1);
  EXPECT_NE(Lexicon("b.lex").Image(), nullptr);
  QTest::keyClick(List(), Qt::Key_Space);
  EXPECT_THAT(Images(), ElementsAre(0, 0));
  EXPECT_EQ(Lexicon("b.lex").UsageCount(), 0);
  EXPECT_EQ(Lexicon("b.lex").Image(), nullptr);
  EXPECT_EQ(Lexicon("a.lex").UsageCount(), 0);

  Highlight({0, 1});
  Command("&Toggle Lexicons")->trigger();  // every highlighted row
  EXPECT_THAT(Images(), ElementsAre(1, 1));
  Command("&Toggle Lexicon", true)->trigger();
  EXPECT_THAT(Images(), ElementsAre(0, 0));
  EXPECT_EQ(view->CountSelected(), 0);
  EXPECT_TRUE(Boxes().empty());
}

TEST_F(TSelectLexiconsDlgTest, ALexiconThatCannotBeLoadedKeepsItsImageAndIsReported) {
  const std::string path = AddLexicon("gone.lex");
  Open();
  std::filesystem::remove(path);
  Highlight({0});
  DoubleClick();
  EXPECT_THAT(Images(), ElementsAre(0));
  EXPECT_EQ(view->CountSelected(), 0);
  EXPECT_EQ(Lexicon("gone.lex").UsageCount(), 0);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_THAT(Boxes()[0].text, ::testing::HasSubstr("gone.lex"));
}

TEST_F(TSelectLexiconsDlgTest, SelectingAllWhenAllAreSelectedAcquiresNothingMore) {
  AddLexicon("a.lex", true);
  AddLexicon("b.lex", true);
  AddLexicon("c.lex");
  Open();
  Button("cmdSelectAll")->click();
  EXPECT_THAT(Images(), ElementsAre(1, 1, 1));
  for (const char* name : {"a.lex", "b.lex", "c.lex"}) EXPECT_EQ(Lexicon(name).UsageCount(), 1);
  Command("&Select All", true)->trigger();
  for (const char* name : {"a.lex", "b.lex", "c.lex"}) EXPECT_EQ(Lexicon(name).UsageCount(), 1);
  Command("&Deselect All")->trigger();
  EXPECT_THAT(Images(), ElementsAre(0, 0, 0));
  for (const char* name : {"a.lex", "b.lex", "c.lex"}) EXPECT_EQ(Lexicon(name).UsageCount(), 0);
}

TEST_F(TSelectLexiconsDlgTest, DeleteWithNothingHighlightedSaysSo) {
  AddLexicon("a.lex");
  Open();
  Command("Delete Lexicons")->trigger();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, LoadResString(8705));
  EXPECT_EQ(Boxes()[0].caption, "Insufficient Information");
  EXPECT_EQ(Boxes()[0].flags, MB_OK);
  EXPECT_EQ(Boxes()[0].owner, static_cast<const void*>(&*dialog));
  EXPECT_THAT(Column(0), ElementsAre("a.lex"));
}

TEST_F(TSelectLexiconsDlgTest, NoLexiconsAtAll) {
  Open();
  EXPECT_EQ(List()->topLevelItemCount(), 0);
  int sum = 0;
  for (int i = 0; i < 4; ++i) sum += List()->header()->sectionSize(i);
  EXPECT_EQ(dialog->width(), std::max(sum + 10, dialog->minimumSizeHint().width()));
  host.Clear();  // the scan's warning that there are none
  Command("&Toggle Lexicons")->trigger();
  Command("Delete Lexicon", true)->trigger();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, LoadResString(8705));
}

TEST_F(TSelectLexiconsDlgTest, DeleteAsksFirstAndCancelChangesNothing) {
  const std::string a = AddLexicon("a.lex");
  const std::string b = AddLexicon("b.lex", true);
  AddLexicon("c.lex");
  Open();
  Highlight({0, 1});
  host.QueueAnswer(IDCANCEL);
  Command("Delete Lexicons")->trigger();
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, LoadResString(8704) + "a.lex\nb.lex\n" + LoadResString(8328));
  EXPECT_EQ(Boxes()[0].caption, "Confirm");
  EXPECT_EQ(Boxes()[0].flags, MB_OKCANCEL);
  EXPECT_THAT(Column(0), ElementsAre("a.lex", "b.lex", "c.lex"));
  EXPECT_TRUE(std::filesystem::exists(a));

  host.QueueAnswer(IDOK);
  Command("Delete Lexicons")->trigger();
  EXPECT_THAT(Column(0), ElementsAre("c.lex"));
  EXPECT_THAT(Images(), ElementsAre(0));
  EXPECT_FALSE(std::filesystem::exists(a));
  EXPECT_FALSE(std::filesystem::exists(b));
  EXPECT_TRUE(std::filesystem::exists(lexicons + "a.lxb"));
  EXPECT_EQ(view->Entries().size(), 1u);
}

TEST_F(TSelectLexiconsDlgTest, MakeDefaultWritesEverySelectedStateIntoTheHeaders) {
  AddLexicon("a.lex", true);
  AddLexicon("b.lex");
  Open();
  Highlight({0, 1});
  Command("&Toggle Lexicons")->trigger();  // a off, b on
  Command("&Make Default")->trigger();
  for (const auto& [name, flag] : {std::pair{"a.lex", 0}, std::pair{"b.lex", 1}}) {
    VirtualLex stored(lexicons + name);
    stored.ReadHeader();
    EXPECT_EQ(stored.header.defaultFlag, flag) << name;
  }
  VirtualLexListView later(list);  // a new selection starts from them
  EXPECT_EQ(later.Find(lexicons + "b.lex")->selected, 1);
  EXPECT_EQ(later.Find(lexicons + "a.lex")->selected, 0);
}

TEST_F(TSelectLexiconsDlgTest, CommandsWaitWhileEveryRowIsSelected) {
  PumpingHost pumping;
  ScopedHost scope(pumping);
  AddLexicon("a.lex");
  AddLexicon("b.lex");
  AddLexicon("c.lex");
  Open();
  dialog->show();
  Highlight({0});
  bool triedDuringLoop = false;
  bool commandsWereOff = false;
  QTimer::singleShot(0, [&] {
    triedDuringLoop = true;
    commandsWereOff = !Command("Delete Lexicons")->isEnabled() &&
                      !Command("&Toggle Lexicon", true)->isEnabled() &&
                      !Button("cmdClose")->isEnabled();
    Command("Delete Lexicons")->trigger();
    Command("Delete Lexicon", true)->trigger();
    Button("cmdDeselectAll")->click();
    Button("cmdClose")->click();
    QTest::keyClick(&*dialog, Qt::Key_Escape);
    dialog->close();
  });
  Button("cmdSelectAll")->click();
  EXPECT_TRUE(triedDuringLoop);
  EXPECT_TRUE(commandsWereOff);
  EXPECT_EQ(pumping.pumps, 3);
  EXPECT_TRUE(pumping.Boxes().empty());  // no delete was asked
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_THAT(Column(0), ElementsAre("a.lex", "b.lex", "c.lex"));
  EXPECT_THAT(Images(), ElementsAre(1, 1, 1));
  EXPECT_EQ(view->CountSelected(), 3);
  EXPECT_TRUE(Command("Delete Lexicons")->isEnabled());
  EXPECT_TRUE(Button("cmdClose")->isEnabled());
  Button("cmdClose")->click();
  EXPECT_FALSE(dialog->isVisible());
}

TEST_F(TSelectLexiconsDlgTest, MenusArePaintedAndActivationSetsTheHelpTopic) {
  AddLexicon("a.lex");
  Open();
  EXPECT_NE(qobject_cast<MenuPainter*>(dialog->findChild<QMenuBar*>()->style()), nullptr);
  for (QMenu* menu : dialog->findChildren<QMenu*>())
    EXPECT_NE(qobject_cast<MenuPainter*>(menu->style()), nullptr) << menu->title().toStdString();
  SetHelpContext(0);
  dialog->show();
  dialog->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&*dialog));
  EXPECT_EQ(GetHelpContext(), 280);
}

TEST_F(TSelectLexiconsDlgTest, TheRegisteredDialogShowsModallyForCoreCode) {
  QtHost qtHost;
  RegisterHostDialogs(qtHost);
  // The registration outlives the host; later tests must not meet a real dialog.
  struct Unregister {
    ~Unregister() { SelectLexiconsDialog::Register({}); }
  } unregister;
  ScopedHost scope(qtHost);
  QMainWindow mainWindow;
  mainWindow.show();
  AddLexicon("a.lex");
  list.ScanLexiconFolder();
  VirtualLexListView selection(list);
  QWidget* seenOwner = nullptr;
  QString seenTitle;
  QTimer::singleShot(0, [&] {
    QWidget* modal = QApplication::activeModalWidget();
    if (!modal) return;
    seenOwner = modal->parentWidget();
    seenTitle = modal->windowTitle();
    auto* rows = modal->findChild<QTreeWidget*>("ListView1");
    rows->topLevelItem(0)->setSelected(true);
    QTest::keyClick(rows, Qt::Key_Space);
    QTest::keyClick(modal, Qt::Key_Escape);
  });
  SelectLexiconsDialog::Show(selection);
  EXPECT_EQ(seenTitle, "Select Lexicons");
  EXPECT_EQ(seenOwner, &mainWindow);
  EXPECT_EQ(selection.CountSelected(), 1);
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
