// The main window as it starts and closes: title, size and settings, fields, tabs, actions.

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTest>
#include <QWindow>
#include <filesystem>

#include "app/SearchTab.h"
#include "app/WindowPlacement.h"
#include "app/WindowTestSupport.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/AppPaths.h"
#include "support/TempFolder.h"

TEST_F(WindowTest, StartsAsTheSettingsSay) {
  EXPECT_EQ(window->windowTitle(), "Sorvane");
  EXPECT_EQ(window->size(), QSize(680, 480));
  EXPECT_EQ(window->pos(), QPoint(200, 100));
  EXPECT_EQ(SearchTabCount(*window), 1);
  EXPECT_EQ(FieldsPanel(*window)->Options().useAllFrom, true);
  EXPECT_EQ(FieldsPanel(*window)->Options().caseSensitive, false);
  // Window colour on the fields and the results.
  EXPECT_EQ(window->findChild<QLineEdit*>("txtFind")->palette().color(QPalette::Base), QColor(Qt::white));
  for (const char* name : {"actSearch", "actPause", "actNewSearch", "actCloseSearch",
                           "actSelectLexicons", "actSortAlpha", "actSortLength", "actSortFound",
                           "actSortReverse", "actSaveResults", "actOpenResults",
                           "actExportResults", "actCopyResults", "actNewGrid", "actOpenGrid",
                           "actSaveGrid", "actResetGrid", "actGetWordMatches",
                           "actIntersectedSearch", "actInsertWord", "actManageLexicons"}) {
    EXPECT_NE(FindAction(*window, name), nullptr) << name;
  }
}

// Every file dialog of the window opens in the files folder of the settings, and a save adds the
// chosen filter's extension to a name typed without one.
TEST_F(WindowTest, FileDialogsOpenInTheFilesFolderAndSavesAddTheirExtension) {
  TempFolder folder;
  const std::string files = Settings::Instance().GetString(SettingId::FolderFiles);
  Run({"type", "find", "c?t", "click", "actSearch", "wait"});
  const struct {
    const char* action;
    const char* caption;
    const char* typed;  // empty: the dialog is cancelled
    const char* written;
  } dialogs[] = {
      {"actSaveResults", "Save Results", "r", "r.kvq"},
      {"actExportResults", "Export Results", "e", "e.txt"},
      {"actSaveGrid", "Save Grid", "g", "g.grd"},
      {"actSaveGrid", "Save Grid", "w.txt", "w.txt"},
      {"actOpenResults", "Open Results", "", ""},
      {"actOpenGrid", "Open Grid", "", ""},
  };
  for (const auto& dialog : dialogs) {
    const QStringList answer =
        *dialog.typed ? QStringList{"file", QString::fromStdString(folder / dialog.typed)}
                      : QStringList{"answer", "cancel"};
    EXPECT_EQ(Run(answer + QStringList{"click", dialog.action}),
              "file dialog " + std::string(dialog.caption) + " in " + files + "\n");
    if (*dialog.written) {
      EXPECT_TRUE(std::filesystem::exists(folder / dialog.written)) << dialog.written;
    }
  }
}

namespace {
// Whether anything is drawn in the icon stripe of the action's item: no item has an icon, so
// anything there is its mark.
bool MarkShown(QMenu& menu, const QImage& image, QAction* action) {
  const QRect item = menu.actionGeometry(action);
  const QColor stripe = image.pixelColor(item.left() + 1, item.top() + 1);
  for (int x = item.left(); x < item.left() + 20; ++x) {
    for (int y = item.top(); y <= item.bottom(); ++y) {
      if (image.pixelColor(x, y) != stripe) return true;
    }
  }
  return false;
}
}  // namespace

// The Results menu marks the ordering in force and the direction, in both menu styles.
TEST_F(WindowTest, MenusMarkWhatIsOn) {
  for (const bool plain : {false, true}) {
    Settings::Instance().SetBool(SettingId::WindowsMenusAndFont, plain);
    TfrmMain other;
    TfrmMain& shown = plain ? other : *window;
    QMenu* menu = shown.menuBar()->actions()[1]->menu();
    for (int round = 0; round < 2; ++round) {
      menu->popup(QPoint(0, 0));
      const QImage image = menu->grab().toImage();
      menu->hide();
      for (const char* name : {"actSortAlpha", "actSortLength", "actSortFound", "actSortReverse"}) {
        EXPECT_EQ(MarkShown(*menu, image, FindAction(shown, name)),
                  FindAction(shown, name)->isChecked())
            << name << (plain ? " plain" : "");
      }
      EXPECT_EQ(MarkShown(*menu, image, FindAction(shown, "actSaveResults")), false);
      FindAction(shown, "actSortReverse")->trigger();
    }
  }
  Settings::Instance().SetBool(SettingId::WindowsMenusAndFont, false);
}

TEST_F(WindowTest, ActivationSetsTheMainHelpTopic) {
  SetHelpContext(0);
  window->activateWindow();
  QApplication::setActiveWindow(window.get());
  QApplication::processEvents();
  EXPECT_EQ(GetHelpContext(), 10);
}

TEST_F(WindowTest, FieldsRefuseWhatWindows1252CannotHold) {
  Run({"type", "find", "c\u00e9t\u2192s\u4e2d", "type", "keywords", "na\u00efve \u20ac"});
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "c\xe9ts");
  EXPECT_EQ(FieldsPanel(*window)->Texts().keyWords, "na\xefve \x80");
}

TEST_F(WindowTest, TabsKeepTheirOwnCriteria) {
  Run({"type", "find", "c?t*", "tick", "case", "on", "click", "actNewSearch"});
  EXPECT_EQ(SearchTabCount(*window), 2);
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "");
  Run({"type", "find", "dog", "tab", "1"});
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "c?t*");
  EXPECT_TRUE(FieldsPanel(*window)->Options().caseSensitive);
  Run({"tab", "2"});
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "dog");
  Run({"click", "actCloseSearch", "click", "actCloseSearch"});
  EXPECT_EQ(SearchTabCount(*window), 0);
  EXPECT_EQ(Run({"click", "actCloseSearch"}), "disabled actCloseSearch\n");
  Run({"click", "actNewSearch"});
  EXPECT_EQ(SearchTabCount(*window), 1);
}

TEST_F(WindowTest, FindTypedWithNoTabOpenIsSearchedOnTheTabEnterOpens) {
  EXPECT_EQ(Run({"click", "actCloseSearch", "type", "find", "c?t", "key", "\r", "wait"}), "");
  EXPECT_EQ(SearchTabCount(*window), 1);
  EXPECT_EQ(FieldsPanel(*window)->Texts().find, "c?t");
  EXPECT_TRUE(ResultCells(*window).value(0).contains("cat"));
}

// Sized from outside below the least size its layouts give (a screen with no window manager),
// the window grows back to it, where the options stand whole beside Start Search.
TEST_F(WindowTest, TheWindowKeepsToTheSizeItsControlsNeed) {
  Run({"hold", "0.05"});  // shown, and laid out
  const QSize least = window->minimumSize();
  window->windowHandle()->resize(least - QSize(60, 20));
  Run({"hold", "0.05"});
  EXPECT_EQ(window->size(), least);
  const auto* button = window->findChild<QWidget*>("cmdSearch");
  for (const char* name : {"chkSuppressPermutations", "chkReuseFromLetters"}) {
    const auto* option = window->findChild<QWidget*>(name);
    EXPECT_GE(option->width(), option->sizeHint().width()) << name;
    EXPECT_LE(option->geometry().right(), button->geometry().left()) << name;
  }
}

TEST_F(WindowTest, ClosingKeepsPlacementAndOptionsInTheSettings) {
  window->move(150, 60);
  window->resize(700, 500);
  Run({"tick", "case", "on", "close"});
  EXPECT_FALSE(window->isVisible());
  const std::string store = ReadWholeFile(AppPaths::Current().userStoreFile);
  EXPECT_NE(store.find("\"Width\"=dword:000002bc"), std::string::npos);
  EXPECT_NE(store.find("\"Height\"=dword:000001f4"), std::string::npos);
  EXPECT_NE(store.find("\"Case Sensitive\"=dword:00000001"), std::string::npos);
  Settings& settings = Settings::Instance();
  EXPECT_EQ(settings.GetInt(SettingId::Left), 150);
  EXPECT_EQ(settings.GetInt(SettingId::Top), 60);
  settings.SetBool(SettingId::CaseSensitive, false);
  settings.SetInt(SettingId::Width, 680);
  settings.SetInt(SettingId::Height, 480);
  settings.SetInt(SettingId::Left, 200);
  settings.SetInt(SettingId::Top, 100);
}

TEST_F(WindowTest, AStoredPlacementOffTheScreenIsBroughtOntoIt) {
  using namespace SettingId;
  const QRect screen = window->screen()->availableVirtualGeometry();
  const int32_t cases[][4] = {// Left, Top, Width, Height
                              {1000000, 100, 680, 480},
                              {-1000000, -1000000, INT32_MAX, INT32_MAX},
                              {0, 0, 0, -5}};
  Settings& settings = Settings::Instance();
  for (const auto& c : cases) {
    settings.SetInt(Left, c[0]);
    settings.SetInt(Top, c[1]);
    settings.SetInt(Width, c[2]);
    settings.SetInt(Height, c[3]);
    QWidget placed;
    RestoreWindowPlacement(&placed);
    const QRect seen = screen.intersected(placed.geometry());
    EXPECT_GE(seen.width(), 100) << c[0] << " " << c[2];
    EXPECT_GE(seen.height(), 100) << c[1] << " " << c[3];
    EXPECT_EQ(seen.top(), placed.y());
    EXPECT_LE(placed.width(), screen.width());
  }
  settings.SetInt(Width, 680);
  settings.SetInt(Height, 480);
  settings.SetInt(Left, 200);
  settings.SetInt(Top, 100);
}

TEST_F(WindowTest, ASettingsStoreThatCannotBeWrittenIsReportedAndTheWindowCloses) {
  const AppPaths previous = AppPaths::Current();
  TempFolder folder;
  AppPaths broken = previous;
  // A folder that cannot be made: its parent is a file.
  broken.userStoreFile = folder.Write("file", "x") + "/sorvane/user.reg";
  AppPaths::Set(broken);
  const QStringList lines = Lines(Run({"close"}));
  AppPaths::Set(previous);
  ASSERT_EQ(lines.size(), 1);
  EXPECT_TRUE(lines[0].startsWith("box Error: ")) << lines[0].toStdString();
  EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, ManageLexiconsOpensOverTheTabInFrontAndNotWithoutOne) {
  SetHelpContext(0);
  EXPECT_EQ(Run({"answer", "cancel", "click", "actManageLexicons"}),
            "dialog Lexicon Management\n");
  EXPECT_EQ(GetHelpContext(), 10);
  EXPECT_EQ(Run({"click", "actCloseSearch", "click", "actManageLexicons"}), "");
}

TEST_F(WindowTest, NeitherSideOfTheSplitterDragsToNothing) {
  auto* splitter = qobject_cast<QSplitter*>(window->centralWidget());
  ASSERT_TRUE(splitter);
  ASSERT_TRUE(splitter->widget(1)->isVisible());  // the grid side
  QSplitterHandle* handle = splitter->handle(1);
  for (const int edge : {0, splitter->width()}) {
    SCOPED_TRACE(edge);
    const QList<int> before = splitter->sizes();
    const QPoint grip = handle->rect().center();
    const QPoint end = handle->mapFrom(splitter, QPoint(edge, grip.y()));
    QTest::mousePress(handle, Qt::LeftButton, {}, grip);
    QTest::mouseMove(handle, end);
    QTest::mouseRelease(handle, Qt::LeftButton, {}, end);
    EXPECT_NE(splitter->sizes(), before);
    for (const int size : splitter->sizes()) EXPECT_GT(size, 0);
  }
}
