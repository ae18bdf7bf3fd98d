#pragma once
// What the probe's steps, the window tests and the window benchmarks read of the main window,
// and the results cells they select: found through the window's named children, so the window
// itself offers nothing for them.

#include <QList>
#include <QObject>
#include <QStringList>
#include <cstdint>

class CrossWordGrid;
class QAction;
class SearchFieldsPanel;
class SearchTab;
class TfrmMain;

// The action of that object name ("actSearch", ...); null when there is none.
QAction* FindAction(const TfrmMain& window, const char* name);
SearchFieldsPanel* FieldsPanel(const TfrmMain& window);
SearchTab* ActiveSearchTab(const TfrmMain& window);
int SearchTabCount(const TfrmMain& window);
QString StatusText(const TfrmMain& window);
// The search of the tab in front has finished and its results are shown (true without one).
bool ActiveSearchShown(const TfrmMain& window);
// The texts of the results grid in front, row by row, the fixed row and column left out.
QList<QStringList> ResultCells(const TfrmMain& window);
// Selects results cells, counted from 1; false without a results grid.
bool SelectResultCells(const TfrmMain& window, int left, int top, int right, int bottom);
CrossWordGrid* ActiveGridControl(const TfrmMain& window);
// The grid page in front, a text a row: the letter, '.' for an empty cell, '#' for a blank.
QStringList GridRows(const TfrmMain& window);

// Notes when the watched window is first painted; installed before the window shows.
class FirstPaintWatch : public QObject {
 public:
  // Milliseconds from the start of the process to the first paint; -1 before it.
  int64_t Milliseconds() const { return firstPaintMs; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int64_t firstPaintMs = -1;
};
