#pragma once
// Acts on the main window as a user would, through QTest, one step at a time, and prints what
// the user would see. The window probe runs the steps of its command line; the window tests
// run theirs and read what was printed. A step that opens a dialog (with a dialog step next) is
// still under way while the steps that follow act inside the dialog; boxes are answered as they
// come.
//
// Steps (and their arguments):
//   type FIELD TEXT          find, from, include, exclude, keywords
//   tick OPTION on|off       use-all, suppress, case, reuse
//   click ACTION             an action by name: actSearch, actPause, ...
//   answer ok|cancel|yes|no  for the next box, file dialog or dialog
//   file PATH                for the next file dialog
//   size C R                 for the next new-grid dialog
//   colour NAME              for the next colour dialog ("#ff8000", "yellow")
//   wait                     until the search of the tab in front has been shown
//   select L T R B           results cells, counted from 1
//   cell ROW COL             makes that results cell the current one
//   tab N, page N            the search tab, the grid page (from 1)
//   gridtype COL ROW across|down LETTERS   (grid cells from 0)
//   gridpick COL ROW across|down           Ctrl+click on the word
//   key KEYS                 typed into whatever has the focus, a key a character
//   hold SECONDS             lets the window run (until a stop signal)
//   print status|cells|clipboard|grid|shown|clipped|dialog|memory   (clipped: results cells
//                            on screen whose text is wider than the cell; memory: the
//                            window's resident size in kilobytes)
//   dialog-tab N, dialog-type CONTROL TEXT, dialog-tick CONTROL on|off,
//   dialog-pick CONTROL TEXT, dialog-click CONTROL     inside the dialog in front (DialogSteps.h)
//   save PNG                 the window as it stands on the screen
//   close                    closes the window as its close button does

#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <deque>
#include <ostream>
#include <vector>

class CrossWordGrid;
class FirstPaintWatch;
class ModalAnswerer;
class QPoint;
class TfrmMain;

class WindowSteps {
 public:
  // Answers boxes from now on, also those the window shows while it is being made.
  explicit WindowSteps(std::ostream& out);
  ~WindowSteps();

  // The window the steps act on, attached before it shows.
  void Attach(TfrmMain& mainWindow);

  // Runs the steps of a command line: each step's name followed by its arguments. Stops at the
  // first step that fails, with the reason in error. A stop signal (platform/SignalStop.h) ends
  // the steps without a failure once the window has closed itself, as the program's does.
  bool RunAll(const QStringList& words, QString* error);
  // Runs one step; false with the reason in error when it cannot be done.
  bool Run(const QStringList& step, QString* error);
  // How many arguments a step takes; -1 for a step that does not exist.
  static int ArgumentCount(const QString& name);

 private:
  void Advance();
  void RunNext();
  bool Type(const QString& field, const QString& text, QString* error);
  bool Tick(const QString& option, const QString& state, QString* error);
  bool Click(const QString& name, QString* error);
  bool WaitForResults(QString* error);
  bool Print(const QString& what, QString* error);
  bool Select(const QStringList& corners, QString* error);
  bool SetCell(int row, int column, QString* error);
  bool ShowTab(int number, QString* error);
  bool ShowPage(int number, QString* error);
  bool GridCellCentre(CrossWordGrid* grid, const QStringList& args, int* column, int* row,
                      QPoint* centre, QString* error);
  CrossWordGrid* GoToGridCell(const QStringList& args, QPoint* centre, QString* error);
  bool GridType(const QStringList& args, QString* error);
  bool GridPick(const QStringList& args, QString* error);
  bool Key(const QString& keys, QString* error);
  bool SavePicture(const QString& path, QString* error);
  bool Close(QString* error);

  TfrmMain* window = nullptr;
  std::ostream& out;
  ModalAnswerer* answerer;
  FirstPaintWatch* paintWatch;
  bool closed = false;
  std::deque<QStringList> pending;  // the steps of RunAll not yet started
  // The modal widget in front when each step under way started, innermost last.
  std::vector<QPointer<QWidget>> running;
  bool posted = false;  // the next step waits in the event queue
  QString failure;
};
