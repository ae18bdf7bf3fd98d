#include "app/TfrmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QResizeEvent>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>
#include <cassert>
#include <string_view>

#include "app/SearchTab.h"
#include "app/WindowPlacement.h"
#include "crossword/MainMenuStates.h"
#include "crossword/forms/CrossWordGrid.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/forms/CopyFontSettings.h"
#include "foundation/forms/MenuPainter.h"
#include "foundation/forms/WindowColour.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/results/Results.h"
#include "search/selection/VirtualLexList.h"

namespace {
constexpr int kStatusTimerMilliseconds = 100;

struct MenuAction {
  const char* name;
  const char* caption;
};
// Menus and their actions, in menu order; a null name is a separator, a name starting "mnu" a
// sub-menu.
struct MenuEntry {
  const char* caption;
  std::initializer_list<MenuAction> actions;
};
bool IsSubMenu(const char* name) { return std::string_view(name).starts_with("mnu"); }

const MenuEntry kMenus[] = {
    {"&Search",
     {{"actSearch", "&Start Search"},
      {"actPause", "&Pause Search"},
      {nullptr, nullptr},
      {"actNewSearch", "&New Search Tab"},
      {"actCloseSearch", "&Close Search Tab"},
      {nullptr, nullptr},
      {"actSelectLexicons", "Select &Lexicons..."}}},
    {"&Results",
     {{"actSortAlpha", "Sort &Alphabetically"},
      {"actSortLength", "Sort by &Length"},
      {"actSortFound", "As &Found"},
      {"actSortReverse", "&Reverse Order"},
      {nullptr, nullptr},
      {"actSaveResults", "&Save Results..."},
      {"actOpenResults", "&Open Results..."},
      {"actExportResults", "&Export Results..."},
      {"actCopyResults", "&Copy Results"}}},
    {"&Grid",
     {{"actNewGrid", "&New Grid..."},
      {"actOpenGrid", "&Open Grid..."},
      {"actSaveGrid", "&Save Grid..."},
      {"actResetGrid", "&Reset Grid"},
      {nullptr, nullptr},
      {"actGetWordMatches", "&Get Word Matches"},
      {"actIntersectedSearch", "&Intersected Word Search"},
      {"actInsertWord", "Insert &Word in Grid"},
      {nullptr, nullptr},
      {"actGridModeEdit", "&Edit"},
      {"actGridModeBlank", "Add &Blanks"},
      {"actGridModeBar", "Add B&ars"},
      {nullptr, nullptr},
      {"mnuSymmetry", "Sy&mmetry"},
      {"mnuTextCase", "Te&xt Case"},
      {nullptr, nullptr},
      {"actColourSelection", "Colo&ur Selection..."},
      {"actRestoreColour", "Res&tore Colour"},
      {"actCopyGridBitmap", "Cop&y Grid as Bitmap"},
      {nullptr, nullptr},
      {"actClearWordLetters", "Clear Word &Letters"},
      {"actClearAllLetters", "&Clear All Letters"},
      {"actSelectAllWords", "Select All Wor&ds"}}},
    {"&Lexicons", {{"actManageLexicons", "&Manage Lexicons..."}}},
};
}  // namespace

TfrmMain::TfrmMain(QWidget* parent) : QMainWindow(parent) {
  setObjectName("frmMain");
  setWindowTitle("Sorvane");
  CopyFontSettings(this);

  auto* splitter = new QSplitter(Qt::Horizontal, this);
  auto* searchSide = new QWidget(splitter);
  auto* searchLayout = new QVBoxLayout(searchSide);
  searchLayout->setContentsMargins(0, 0, 0, 0);
  searchLayout->setSpacing(0);
  fields = new SearchFieldsPanel(searchSide);
  searchLayout->addWidget(fields);
  tabSearchControl = new QTabWidget(searchSide);
  tabSearchControl->setObjectName("tabSearchControl");
  searchLayout->addWidget(tabSearchControl, 1);
  pgeGrids = new QTabWidget(splitter);
  pgeGrids->setObjectName("pgeGrids");
  pgeGrids->hide();
  connect(pgeGrids, &QTabWidget::currentChanged, this, &TfrmMain::GridPageChanged);
  // A click on the page already in front changes no page, yet the user means to type there.
  connect(pgeGrids, &QTabWidget::tabBarClicked, this, [this](int index) {
    if (index == pgeGrids->currentIndex()) GridPageChanged();
  });
  splitter->setStretchFactor(0, 1);
  // A side dragged to nothing would leave only the handle's edge to bring it back by.
  splitter->setChildrenCollapsible(false);
  setCentralWidget(splitter);

  lblStatus = new QLabel(this);
  lblStatus->setObjectName("lblStatus");
  statusBar()->addWidget(lblStatus, 1);

  BuildActions();
  BuildMenus();
  ApplyWindowColour();

  connect(tabSearchControl, &QTabWidget::currentChanged, this, &TfrmMain::SearchTabChanged);
  NewSearchTab(QString());
  Settings& settings = Settings::Instance();
  if (settings.GetBool(SettingId::ShowGrid)) {
    CreateGridPage(settings.GetInt(SettingId::GridDefaultColumns),
                   settings.GetInt(SettingId::GridDefaultRows));
  }
  RestoreWindowPlacement(this);

  tmrSearchTimer.setInterval(kStatusTimerMilliseconds);
  tmrSearchTimer.start();
  UpdateActions();
}

TfrmMain::~TfrmMain() = default;

QAction* TfrmMain::AddAction(const char* name, const QString& caption) {
  auto* action = new QAction(caption, this);
  action->setObjectName(name);
  return action;
}

void TfrmMain::BuildActions() {
  for (const MenuEntry& menu : kMenus) {
    for (const MenuAction& item : menu.actions) {
      if (item.name && !IsSubMenu(item.name))
        AddAction(item.name, tr(item.caption))->setEnabled(false);
    }
  }
  auto* sortGroup = new QActionGroup(this);
  for (const char* name : {"actSortAlpha", "actSortLength", "actSortFound"}) {
    QAction* sort = Action(name);
    sort->setCheckable(true);
    sortGroup->addAction(sort);
  }
  Action("actSortReverse")->setCheckable(true);
  auto* modeGroup = new QActionGroup(this);
  for (const char* name : {"actGridModeEdit", "actGridModeBlank", "actGridModeBar"}) {
    Action(name)->setCheckable(true);
    modeGroup->addAction(Action(name));
  }
  Action("actPause")->setCheckable(true);
  actSearch = Action("actSearch");

  connect(Action("actNewSearch"), &QAction::triggered, this, &TfrmMain::actNewSearchExecute);
  connect(Action("actCloseSearch"), &QAction::triggered, this, &TfrmMain::actCloseSearchExecute);
  ConnectSearchActions();
  ConnectGridActions();
  // Paired once with the actions the menu policy decides, in its order.
  for (const ActionState& state : DecideMainMenu({}).actions) {
    menuActions.push_back(Action(state.name));
  }
}

void TfrmMain::BuildMenus() {
  menuBar()->setNativeMenuBar(false);
  for (const MenuEntry& entry : kMenus) {
    QMenu* menu = menuBar()->addMenu(tr(entry.caption));
    for (const MenuAction& action : entry.actions) {
      if (!action.name) {
        menu->addSeparator();
      } else if (IsSubMenu(action.name)) {
        menu->addMenu(tr(action.caption))->addActions(SubMenuActions(action.name));
      } else {
        menu->addAction(Action(action.name));
      }
    }
  }
  HookMainMenu(menuBar(), this);
}

void TfrmMain::ApplyWindowColour() { SetWindowColour(centralWidget()); }

QAction* TfrmMain::Action(const char* name) const { return findChild<QAction*>(name); }

SearchTab* TfrmMain::ActiveSearchTab() const {
  return qobject_cast<SearchTab*>(tabSearchControl->currentWidget());
}

SearchTab* TfrmMain::NewSearchTab(const QString& caption) {
  ++searchTabsMade;
  auto* tab = new SearchTab(tabSearchControl, VirtualLexList::Instance());
  connect(tab, &SearchTab::SearchFinished, this, [this, tab] {
    if (ActiveSearchTab() == tab) tmrSearchTimerTimer();
  });
  const QString title = caption.isEmpty() ? tr("Search %1").arg(searchTabsMade) : caption;
  tabSearchControl->setCurrentIndex(tabSearchControl->addTab(tab, title));
  return tab;
}

void TfrmMain::actNewSearchExecute() { NewSearchTab(QString()); }

void TfrmMain::actCloseSearchExecute() {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return;
  if (tab == shownTab) shownTab = nullptr;
  tabSearchControl->removeTab(tabSearchControl->indexOf(tab));
  delete tab;
  UpdateActions();
}

// The fields show the criteria of the tab in front: what was typed for the tab left behind is
// kept with it.
void TfrmMain::SearchTabChanged(int /*index*/) {
  if (shownTab && !shownTab->search.Searching()) {
    shownTab->search.fields = fields->Texts();
    shownTab->search.options = fields->Options();
  }
  shownTab = ActiveSearchTab();
  if (shownTab) {
    fields->SetTexts(shownTab->search.fields);
    fields->SetOptions(shownTab->search.options);
  }
  UpdateActions();
}

// What may be done follows the tab in front, every search and the grid in front.
void TfrmMain::UpdateActions() {
  SearchTab* tab = ActiveSearchTab();
  MainMenuInput input;
  if (tab) {
    SearchInterface& search = tab->search;
    input.hasTab = true;
    input.searching = search.Searching();
    input.threadRunning = search.ThreadRunning();
    input.paused = search.Paused();
    input.ordering = search.GetResults().EffectiveOrdering();
    input.reverse = search.GetResults().Reverse() != 0;
  }
  input.anySearchRunning = RunningSearchCount.load() != 0;
  input.grid = GridMenuState();
  const MainMenuStates menu = DecideMainMenu(input);
  fields->SetSearching(menu.searchStops);
  actSearch->setText(menu.searchStops ? tr("&Stop Search") : tr("&Start Search"));
  for (size_t i = 0; i < menu.actions.size(); ++i) {
    QAction* action = menuActions[i];
    assert(action->objectName() == QLatin1String(menu.actions[i].name));
    action->setEnabled(menu.actions[i].enabled);
    if (action->isCheckable() && !menu.tickKept[i]) action->setChecked(menu.actions[i].checked);
  }
}

// The layouts give the window its least size, at which no control covers another, and a window
// manager keeps to it; without one the window may be sized below it from outside, and grows
// back. A size the window manager insists on after that one try is left as it is.
void TfrmMain::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  const QSize given = event->size();
  if (given.expandedTo(minimumSize()) == given || given == sizeHeldFrom) return;
  sizeHeldFrom = given;
  QMetaObject::invokeMethod(
      this, [this] { resize(size().expandedTo(minimumSize())); }, Qt::QueuedConnection);
}

void TfrmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    SetHelpContext(kHelpTopic);
  }
  QMainWindow::changeEvent(event);
}

