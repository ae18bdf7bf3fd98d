#include "app/TfrmMain.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/SearchTab.h"
#include "app/WindowPlacement.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/forms/CopyFontSettings.h"
#include "foundation/forms/MenuPainter.h"
#include "foundation/forms/WindowColour.h"
#include "crossword/forms/CrossWordGrid.h"
#include "platform/ProcessClock.h"
#include "search/forms/TtsBaseGrid.h"
#include "search/results/Results.h"
#include "search/selection/VirtualLexList.h"

namespace {
constexpr int32_t kMainWindowHelpTopic = 10;
constexpr int kStatusTimerMilliseconds = 100;

struct MenuAction {
  const char* name;
  const char* caption;
};
// Menus and their actions, in menu order; a null name is a separator.
struct MenuEntry {
  const char* caption;
  std::initializer_list<MenuAction> actions;
};
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
      {"actGridModeBar", "Add B&ars"}}},
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
  connect(pgeGrids, &QTabWidget::currentChanged, this, &TfrmMain::UpdateActions);
  splitter->setStretchFactor(0, 1);
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
      if (item.name) AddAction(item.name, tr(item.caption))->setEnabled(false);
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

  connect(Action("actNewSearch"), &QAction::triggered, this, &TfrmMain::actNewSearchExecute);
  connect(Action("actCloseSearch"), &QAction::triggered, this, &TfrmMain::actCloseSearchExecute);
  ConnectSearchActions();
  ConnectGridActions();
}

void TfrmMain::BuildMenus() {
  menuBar()->setNativeMenuBar(false);
  for (const MenuEntry& entry : kMenus) {
    QMenu* menu = menuBar()->addMenu(tr(entry.caption));
    for (const MenuAction& action : entry.actions) {
      if (action.name) {
        menu->addAction(Action(action.name));
      } else {
        menu->addSeparator();
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

int TfrmMain::SearchTabCount() const { return tabSearchControl->count(); }

QString TfrmMain::StatusText() const { return lblStatus->text(); }

bool TfrmMain::ActiveSearchShown() const {
  const SearchTab* tab = ActiveSearchTab();
  return !tab || (!tab->search.Searching() && tab->search.ResultsShown());
}

QList<QStringList> TfrmMain::ResultCells() const {
  QList<QStringList> rows;
  const SearchTab* tab = ActiveSearchTab();
  if (!tab) return rows;
  const QAbstractItemModel* model = tab->grid->model();
  for (int row = 0; row < model->rowCount(); ++row) {
    QStringList cells;
    for (int column = 0; column < model->columnCount(); ++column) {
      cells << model->index(row, column).data().toString();
    }
    rows << cells;
  }
  return rows;
}

bool TfrmMain::SelectResultCells(int left, int top, int right, int bottom) {
  SearchTab* tab = ActiveSearchTab();
  if (!tab) return false;
  QAbstractItemModel* model = tab->grid->model();
  const QModelIndex topLeft = model->index(top - 1, left - 1);
  const QModelIndex bottomRight = model->index(bottom - 1, right - 1);
  if (!topLeft.isValid() || !bottomRight.isValid()) return false;
  tab->grid->setCurrentIndex(topLeft);
  tab->grid->selectionModel()->select(QItemSelection(topLeft, bottomRight),
                                      QItemSelectionModel::ClearAndSelect);
  return true;
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

// What may be done follows the tab in front: while its search runs, its results, their order
// and the lexicons it reads stay as they are.
void TfrmMain::UpdateActions() {
  const SearchTab* tab = ActiveSearchTab();
  const bool searching = tab && tab->search.Searching();
  const bool idle = tab && !searching;
  fields->SetSearching(searching);
  Action("actSearch")->setEnabled(true);
  Action("actSearch")->setText(searching ? tr("&Stop Search") : tr("&Start Search"));
  Action("actPause")->setEnabled(searching && tab->search.ThreadRunning());
  Action("actPause")->setChecked(searching && tab->search.Paused());
  Action("actNewSearch")->setEnabled(true);
  Action("actCloseSearch")->setEnabled(tab != nullptr);
  for (const char* name : {"actSelectLexicons", "actSortAlpha", "actSortLength", "actSortFound",
                           "actSortReverse", "actSaveResults", "actOpenResults",
                           "actExportResults", "actCopyResults"}) {
    Action(name)->setEnabled(idle);
  }
  const CrossWordGrid* grid = ActiveGrid();
  for (const char* name : {"actSaveGrid", "actResetGrid", "actGetWordMatches",
                           "actIntersectedSearch", "actGridModeEdit", "actGridModeBlank",
                           "actGridModeBar"}) {
    Action(name)->setEnabled(grid != nullptr);
  }
  // Lexicons change under no running search.
  Action("actManageLexicons")->setEnabled(RunningSearchCount.load() == 0);
  Action("actNewGrid")->setEnabled(true);
  Action("actOpenGrid")->setEnabled(true);
  Action("actInsertWord")->setEnabled(grid && idle);
  if (grid) {
    Action("actGridModeEdit")->setChecked(grid->GetGridMode() == GridEditor::LetterMode);
    Action("actGridModeBlank")->setChecked(grid->GetGridMode() == GridEditor::BlankMode);
    Action("actGridModeBar")->setChecked(grid->GetGridMode() == GridEditor::BarMode);
  }
  if (!tab) return;
  const Results& results = const_cast<SearchTab*>(tab)->search.GetResults();
  const uint8_t ordering = results.EffectiveOrdering();
  Action("actSortAlpha")->setChecked(ordering == kOrderByWord);
  Action("actSortLength")->setChecked(ordering == kOrderByLengthThenWord);
  Action("actSortFound")->setChecked(ordering == kOrderAsFound);
  Action("actSortReverse")->setChecked(results.Reverse() != 0);
}

bool TfrmMain::event(QEvent* event) {
  if (event->type() == QEvent::Paint && firstPaintMs < 0) {
    firstPaintMs = MillisecondsSinceProcessStart();
  }
  return QMainWindow::event(event);
}

void TfrmMain::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
    SetHelpContext(kMainWindowHelpTopic);
  }
  QMainWindow::changeEvent(event);
}

