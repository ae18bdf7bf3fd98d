#include "app/probe/WindowSteps.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColor>
#include <QDialog>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QScreen>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <map>

#include "app/SearchTab.h"
#include "app/TfrmMain.h"
#include "app/probe/DialogSteps.h"
#include "app/probe/KeyboardText.h"
#include "app/probe/ModalAnswerer.h"
#include "app/probe/WindowView.h"
#include "crossword/forms/CrossWordGrid.h"
#include "platform/Host.h"
#include "platform/ProcessMemory.h"
#include "search/forms/TtsBaseGrid.h"

namespace {
constexpr int kWaitLimitMilliseconds = 60000;
constexpr int kDriveMilliseconds = 5;

const std::map<QString, int> kArgumentCounts = {
    {"type", 2},        {"tick", 2},        {"click", 1},       {"answer", 1},
    {"file", 1},        {"size", 2},        {"wait", 0},        {"select", 4},
    {"cell", 2},        {"tab", 1},         {"page", 1},        {"gridtype", 4},
    {"gridpick", 3},    {"hold", 1},        {"print", 1},       {"save", 1},
    {"close", 0},       {"key", 1},         {"colour", 1},      {"dialog-tab", 1},
    {"dialog-type", 2}, {"dialog-tick", 2}, {"dialog-pick", 2}, {"dialog-click", 1},
};

const std::map<QString, const char*> kFields = {
    {"find", "txtFind"},       {"from", "txtFrom"},         {"include", "txtInclude"},
    {"exclude", "txtExclude"}, {"keywords", "txtKeyWords"},
};

const std::map<QString, const char*> kOptions = {
    {"use-all", "chkUseAllFrom"},
    {"suppress", "chkSuppressPermutations"},
    {"case", "chkCaseSensitive"},
    {"reuse", "chkReuseFromLetters"},
};

bool Fail(QString* error, const QString& reason) {
  *error = reason;
  return false;
}

bool ToInt(const QString& text, int* value) {
  bool ok = false;
  *value = text.toInt(&ok);
  return ok;
}

bool StopRequested() { return Host::Current().StopRequested(); }

// Processes events until done() holds or the limit passes; false when it passed.
template <typename Done>
bool PumpUntil(Done done, int limitMilliseconds) {
  QElapsedTimer clock;
  clock.start();
  while (!done()) {
    if (clock.elapsed() > limitMilliseconds) return false;
    QTest::qWait(5);
  }
  return true;
}
}  // namespace

WindowSteps::WindowSteps(std::ostream& out)
    : out(out), answerer(new ModalAnswerer(out)), paintWatch(new FirstPaintWatch) {
  answerer->SetLeaveToSteps([this] {
    return failure.isEmpty() && !pending.empty() &&
           DialogSteps::ActsOnDialog(pending.front()[0], pending.front().value(1));
  });
}

WindowSteps::~WindowSteps() {
  delete answerer;
  delete paintWatch;
}

void WindowSteps::Attach(TfrmMain& mainWindow) {
  window = &mainWindow;
  window->installEventFilter(paintWatch);
}

int WindowSteps::ArgumentCount(const QString& name) {
  const auto it = kArgumentCounts.find(name);
  return it == kArgumentCounts.end() ? -1 : it->second;
}

bool WindowSteps::RunAll(const QStringList& words, QString* error) {
  pending.clear();
  for (int i = 0; i < words.size();) {
    const int count = ArgumentCount(words[i]);
    if (count < 0) return Fail(error, "unknown step " + words[i]);
    if (i + count >= words.size()) return Fail(error, words[i] + " needs " + QString::number(count) + " argument(s)");
    pending.push_back(words.mid(i, count + 1));
    i += count + 1;
  }
  failure.clear();
  QTimer driver;
  QObject::connect(&driver, &QTimer::timeout, [this] { Advance(); });
  driver.start(kDriveMilliseconds);
  while ((!pending.empty() && failure.isEmpty()) || !running.empty() || posted)
    QTest::qWait(kDriveMilliseconds);
  // Once a stop signal has come, the window closes itself, as the program's does; its tabs'
  // working files go with it.
  if (StopRequested()) PumpUntil([this] { return !window->isVisible(); }, kWaitLimitMilliseconds);
  if (!failure.isEmpty()) return Fail(error, failure);
  return true;
}

// A step runs once the one before has returned, or, when that one waits on a dialog it opened
// (its modal loop running), inside that loop once the dialog is left open to the steps. Each
// step runs from an event of its own, so that the modal loop a step opens still drives the rest.
void WindowSteps::Advance() {
  if (posted) return;
  // A stop signal ends the steps: the window is closing without them.
  if (StopRequested()) pending.clear();
  QWidget* modal = QApplication::activeModalWidget();
  const bool stopping = pending.empty() || !failure.isEmpty();
  if (!running.empty()) {
    if (modal == running.back() || !ModalAnswerer::LeftToSteps(modal) || !modal->isVisible())
      return;
    // Nothing more to do in it: closed as its close button would.
    if (stopping) return static_cast<void>(qobject_cast<QDialog*>(modal)->reject());
  }
  if (stopping) return;
  posted = true;
  QTimer::singleShot(0, [this] { RunNext(); });
}

void WindowSteps::RunNext() {
  posted = false;
  const QStringList step = pending.front();
  pending.pop_front();
  running.push_back(QApplication::activeModalWidget());
  QString error;
  const bool done = Run(step, &error);
  running.pop_back();
  if (!done && failure.isEmpty()) failure = error;
}

bool WindowSteps::Run(const QStringList& step, QString* error) {
  const QString& name = step.value(0);
  if (ArgumentCount(name) != step.size() - 1) return Fail(error, "bad step: " + step.join(' '));
  if (!window) return Fail(error, "no window");
  if (closed) return Fail(error, name + " after the window was closed");
  int a = 0, b = 0;
  if (name == "type") return Type(step[1], step[2], error);
  if (name == "tick") return Tick(step[1], step[2], error);
  if (name == "click") return Click(step[1], error);
  if (name == "answer") {
    if (!QStringList{"ok", "cancel", "yes", "no"}.contains(step[1])) return Fail(error, "answer " + step[1]);
    answerer->QueueReply(step[1]);
    return true;
  }
  if (name == "file") {
    answerer->QueueFile(step[1]);
    return true;
  }
  if (name == "colour") {
    if (!QColor::isValidColor(step[1])) return Fail(error, "no colour " + step[1]);
    answerer->QueueColour(step[1]);
    return true;
  }
  if (name == "size") {
    if (!ToInt(step[1], &a) || !ToInt(step[2], &b)) return Fail(error, "size needs two numbers");
    answerer->QueueGridSize(a, b);
    return true;
  }
  if (name == "dialog-tab") return DialogSteps::ShowTab(step[1], error);
  if (name == "dialog-type") return DialogSteps::Type(step[1], step[2], error);
  if (name == "dialog-tick") return DialogSteps::Tick(step[1], step[2], error);
  if (name == "dialog-pick") return DialogSteps::Pick(step[1], step[2], error);
  if (name == "dialog-click") return DialogSteps::Click(step[1], out, error);
  if (name == "wait") return WaitForResults(error);
  if (name == "select") return Select(step.mid(1), error);
  if (name == "cell") {
    if (!ToInt(step[1], &a) || !ToInt(step[2], &b)) return Fail(error, "cell needs two numbers");
    return SetCell(a, b, error);
  }
  if (name == "tab" || name == "page") {
    if (!ToInt(step[1], &a)) return Fail(error, name + " needs a number");
    return name == "tab" ? ShowTab(a, error) : ShowPage(a, error);
  }
  if (name == "gridtype") return GridType(step.mid(1), error);
  if (name == "gridpick") return GridPick(step.mid(1), error);
  if (name == "key") return Key(step[1], error);
  if (name == "hold") {
    bool ok = false;
    const double seconds = step[1].toDouble(&ok);
    if (!ok || seconds < 0) return Fail(error, "hold needs seconds");
    PumpUntil(StopRequested, int(seconds * 1000));
    return true;
  }
  if (name == "print") return Print(step[1], error);
  if (name == "save") return SavePicture(step[1], error);
  return Close(error);
}

bool WindowSteps::Type(const QString& field, const QString& text, QString* error) {
  const auto it = kFields.find(field);
  if (it == kFields.end()) return Fail(error, "no field " + field);
  auto* edit = window->findChild<QLineEdit*>(it->second);
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  TypeText(edit, text);
  return true;
}

bool WindowSteps::Tick(const QString& option, const QString& state, QString* error) {
  const auto it = kOptions.find(option);
  if (it == kOptions.end()) return Fail(error, "no option " + option);
  if (state != "on" && state != "off") return Fail(error, "tick needs on or off");
  auto* box = window->findChild<QCheckBox*>(it->second);
  // On the tick mark: the box is wider than what it answers to.
  const QPoint mark(6, box->height() / 2);
  if (box->isChecked() != (state == "on")) QTest::mouseClick(box, Qt::LeftButton, {}, mark);
  return true;
}

bool WindowSteps::Click(const QString& name, QString* error) {
  QAction* action = FindAction(*window, name.toLatin1().constData());
  if (!action) return Fail(error, "no action " + name);
  if (!action->isEnabled()) {
    out << "disabled " << name.toStdString() << std::endl;
    return true;
  }
  action->trigger();
  return true;
}

bool WindowSteps::WaitForResults(QString* error) {
  // A stop signal ends the wait: the window closes itself, and a wait run from inside the
  // search's own sort dialog must give way for the dialog to end.
  const auto shownOrStopped = [this] { return StopRequested() || ActiveSearchShown(*window); };
  if (!PumpUntil(shownOrStopped, kWaitLimitMilliseconds)) {
    return Fail(error, "the search was not shown in time");
  }
  return true;
}

bool WindowSteps::Print(const QString& what, QString* error) {
  if (what == "status") {
    out << StatusText(*window).toStdString() << std::endl;
  } else if (what == "clipboard") {
    out << QApplication::clipboard()->text().toStdString() << std::endl;
  } else if (what == "shown") {
    if (!PumpUntil([this] { return paintWatch->Milliseconds() >= 0; }, kWaitLimitMilliseconds)) {
      return Fail(error, "the window was never painted");
    }
    out << paintWatch->Milliseconds() << std::endl;
  } else if (what == "cells") {
    for (const QStringList& row : ResultCells(*window))
      out << row.join('\t').toStdString() << std::endl;
  } else if (what == "clipped") {
    const SearchTab* tab = ActiveSearchTab(*window);
    out << (tab ? tab->grid->ClippedVisibleCells() : 0) << std::endl;
  } else if (what == "memory") {
    out << ResidentKilobytes() << std::endl;
  } else if (what == "dialog") {
    return DialogSteps::Print(out, error);
  } else if (what == "grid") {
    for (const QString& row : GridRows(*window)) out << row.toStdString() << std::endl;
  } else {
    return Fail(error, "cannot print " + what);
  }
  return true;
}

bool WindowSteps::Select(const QStringList& corners, QString* error) {
  int left = 0, top = 0, right = 0, bottom = 0;
  if (!ToInt(corners[0], &left) || !ToInt(corners[1], &top) || !ToInt(corners[2], &right) ||
      !ToInt(corners[3], &bottom)) {
    return Fail(error, "select needs four numbers");
  }
  if (!SelectResultCells(*window, left, top, right, bottom)) return Fail(error, "no results grid");
  return true;
}

bool WindowSteps::SetCell(int row, int column, QString* error) {
  if (!SelectResultCells(*window, column, row, column, row)) return Fail(error, "no results grid");
  return true;
}

bool WindowSteps::ShowTab(int number, QString* error) {
  auto* tabs = window->findChild<QTabWidget*>("tabSearchControl");
  if (number < 1 || number > tabs->count()) return Fail(error, "no tab " + QString::number(number));
  tabs->setCurrentIndex(number - 1);
  return true;
}

bool WindowSteps::ShowPage(int number, QString* error) {
  auto* pages = window->findChild<QTabWidget*>("pgeGrids");
  if (number < 1 || number > pages->count()) return Fail(error, "no page " + QString::number(number));
  // Clicked as a user would: a click on the tab already in front changes no page.
  QTabBar* bar = pages->tabBar();
  QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(number - 1).center());
  return pages->currentIndex() == number - 1 ||
         Fail(error, "page " + QString::number(number) + " did not come to the front");
}

// The centre of a grid cell, after switching the grid to letter mode as a user would.
bool WindowSteps::GridCellCentre(CrossWordGrid* grid, const QStringList& args, int* column,
                                 int* row, QPoint* centre, QString* error) {
  if (!ToInt(args[0], column) || !ToInt(args[1], row) || *column < 0 || *row < 0 ||
      *column >= grid->GetCols() || *row >= grid->GetRows()) {
    return Fail(error, "no grid cell " + args[0] + " " + args[1]);
  }
  if (args[2] != "across" && args[2] != "down") return Fail(error, "across or down");
  if (grid->GetGridMode() != GridEditor::LetterMode) {
    FindAction(*window, "actGridModeEdit")->trigger();
  }
  const int line = grid->lineWidth;
  *centre = QPoint(*column * (grid->GetCellWidth() + line) + line + grid->GetCellWidth() / 2,
                   *row * (grid->GetCellHeight() + line) + line + grid->GetCellHeight() / 2);
  return true;
}

// Makes the cell current with its word in the asked direction, as a user would: a click, and a
// second click on a crossing cell to turn the direction.
CrossWordGrid* WindowSteps::GoToGridCell(const QStringList& args, QPoint* centre, QString* error) {
  CrossWordGrid* grid = ActiveGridControl(*window);
  int column = 0, row = 0;
  if (!grid) return Fail(error, "no grid page"), nullptr;
  if (!GridCellCentre(grid, args, &column, &row, centre, error)) return nullptr;
  const uint8_t wanted = args[2] == "across" ? CellData::Across : CellData::Down;
  QTest::mouseClick(grid, Qt::LeftButton, {}, *centre);
  if (grid->Grid().direction != wanted) QTest::mouseClick(grid, Qt::LeftButton, {}, *centre);
  if (grid->Grid().direction != wanted) return Fail(error, "no " + args[2] + " word there"), nullptr;
  return grid;
}

bool WindowSteps::GridType(const QStringList& args, QString* error) {
  QPoint centre;
  CrossWordGrid* grid = GoToGridCell(args, &centre, error);
  if (!grid) return false;
  TypeText(grid, args[3]);
  return true;
}

// Ctrl+clicks until the word of that direction at the cell is selected: a Ctrl+click on the
// cell clicked last turns the direction first, as a user sees on the screen.
bool WindowSteps::GridPick(const QStringList& args, QString* error) {
  CrossWordGrid* grid = ActiveGridControl(*window);
  if (!grid) return Fail(error, "no grid page");
  QPoint centre;
  int column = 0, row = 0;
  if (!GridCellCentre(grid, args, &column, &row, &centre, error)) return false;
  const uint8_t wanted = args[2] == "across" ? 1 : 2;
  for (int attempt = 0; attempt < 4; ++attempt) {
    QTest::mouseClick(grid, Qt::LeftButton, Qt::ControlModifier, centre);
    if (grid->Grid().Cell(column, row).wordSelection & wanted) return true;
  }
  return Fail(error, "no " + args[2] + " word to pick there");
}

bool WindowSteps::Key(const QString& keys, QString* error) {
  QWidget* focused = window->focusWidget();
  if (!focused) return Fail(error, "nothing has the focus");
  TypeText(focused, keys);
  return true;
}

bool WindowSteps::SavePicture(const QString& path, QString* error) {
  if (!PumpUntil([this] { return paintWatch->Milliseconds() >= 0; }, kWaitLimitMilliseconds)) {
    return Fail(error, "the window was never painted");
  }
  QScreen* screen = window->windowHandle() ? window->windowHandle()->screen() : nullptr;
  // What the screen shows, where there is one; offscreen, what the window paints.
  QPixmap picture = screen && QGuiApplication::platformName() != "offscreen"
                        ? screen->grabWindow(window->winId())
                        : window->grab();
  if (!picture.save(path, "PNG")) return Fail(error, "cannot write " + path);
  return true;
}

bool WindowSteps::Close(QString* /*error*/) {
  window->close();
  QTest::qWait(0);
  closed = !window->isVisible();
  return true;
}
