#pragma once
// One search tab of the main window: its controller, with the criteria it searches for, the
// tab's 100 ms timer that finishes a search once its thread has ended, and the results grid.

#include <QTimer>
#include <QWidget>

#include <memory>
#include <vector>

#include "search/engine/SearchInterface.h"
#include "search/request/SelectedWords.h"

class TtsBaseGrid;
class VirtualLexList;

class SearchTab : public QWidget {
  Q_OBJECT
 public:
  SearchTab(QWidget* parent, VirtualLexList& lexicons);
  // Stops a search still running and deletes its working files, whatever it is at.
  ~SearchTab() override;

  // Starts the tab's search (or, while one runs, asks to stop it). True when started.
  bool Start(uint8_t mode);
  // The controller's timer: finishes the search once its thread has ended.
  void Tick();
  // The finished results in the grid.
  void ShowResults();
  // An empty grid, while a search writes the store.
  void HideResults();

  SearchInterface search;

 signals:
  // The tab has just finished its search: the window shows the results without waiting for its
  // status timer.
  void SearchFinished();

 public:
  TtsBaseGrid* grid = nullptr;
  // The grid a grid search was made over (0: none), so that its results go back into that grid
  // only; for a crossing search, the grid word each line of a result stands for.
  uint32_t gridId = 0;
  std::vector<SelectedWord> gridWords;

 private:
  QTimer timer;
  // Cleared as the tab starts to go: an end of its search still queued then is dropped. The
  // queued call holds the flag itself, since it may run while the tab's members are destroyed.
  std::shared_ptr<bool> alive = std::make_shared<bool>(true);
};
