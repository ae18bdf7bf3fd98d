#pragma once
// The main window: the search criteria, one tab a search with its results, one page a
// crossword grid, and the actions over them.

#include <QList>
#include <QMainWindow>
#include <QTimer>
#include <cstdint>
#include <vector>

#include "app/SearchFieldsPanel.h"
#include "crossword/GridMenuStates.h"

class CrossWordGrid;
class GridPage;
class QLabel;
class QTabWidget;
class SearchTab;

class TfrmMain : public QMainWindow {
  Q_OBJECT
 public:
  // Builds the window as the program starts: the first search tab, the colour, fonts and
  // placement from the settings. The caller shows it.
  explicit TfrmMain(QWidget* parent = nullptr);
  ~TfrmMain() override;

 protected:
  void changeEvent(QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void BuildActions();
  void BuildMenus();
  void ApplyWindowColour();
  QAction* AddAction(const char* name, const QString& caption);
  // The action of that object name, as the window's actions are made and connected.
  QAction* Action(const char* name) const;

  // Search tabs.
  SearchTab* ActiveSearchTab() const;
  SearchTab* NewSearchTab(const QString& caption);
  void actNewSearchExecute();
  void actCloseSearchExecute();
  void SearchTabChanged(int index);
  void UpdateActions();

  // The search of the tab in front and its results.
  void ConnectSearchActions();
  void actSearchExecute();
  void actPauseExecute();
  void actSelectLexiconsExecute();
  void SortResults(uint8_t ordering);
  void actSortReverseExecute();
  void actSaveResultsExecute();
  void actOpenResultsExecute();
  void actExportResultsExecute();
  void actCopyResultsExecute();
  void tmrSearchTimerTimer();
  void actManageLexiconsExecute();

  // Grid pages.
  void ConnectGridActions();
  CrossWordGrid* ActiveGrid() const;
  void GridPageChanged();
  CrossWordGrid* CreateGridPage(int columns, int rows);
  CrossWordGrid* AddGridPage(GridPage* page, const QString& caption);
  bool AskGridSize(bool reset, int* columns, int* rows);
  bool SaveGrid(CrossWordGrid* grid);
  SearchTab* NewGridSearchTab(CrossWordGrid* grid);
  void actNewGridExecute();
  void actOpenGridExecute();
  void actSaveGridExecute();
  void actResetGridExecute();
  void actGetWordMatchesExecute();
  void actIntersectedSearchExecute();
  void actInsertWordExecute();
  void SayGridTooLargeForPicture();
  void actCopyGridBitmapExecute();

  // The Grid menu's choices and operations on the grid in front.
  void ConnectGridMenuActions();
  // The grid in front as the Grid menu sees it.
  GridMenuInput GridMenuState() const;
  // The actions of a sub-menu of the Grid menu, by the sub-menu's name.
  QList<QAction*> SubMenuActions(const char* name) const;
  void SetGridSymmetry(uint8_t type);
  void SetGridTextCase(uint8_t textCase);
  void actColourSelectionExecute();
  void actClearAllLettersExecute();
  void actSelectAllWordsExecute();

  // Closing: each step false when the user keeps the window.
  void CloseIfStopRequested();
  // A tab's search thread has ended and the tab is finishing its results.
  bool SearchEnding() const;
  // Every question of the close answered for closing; false as soon as one keeps the window.
  bool CloseSettled();
  // True when the close has to wait for a job still winding down; it is then made again.
  bool DeferCloseWhileJobUnderWay();
  bool SaveGridsForClose();
  void EndSearchesForClose();
  void SaveSettingsAtClose();

  // The help file's topic for the window, whichever of its parts has the focus.
  static constexpr int32_t kHelpTopic = 10;
  static constexpr int kCloseRetryMilliseconds = 50;

  SearchFieldsPanel* fields = nullptr;
  QTabWidget* tabSearchControl = nullptr;
  QTabWidget* pgeGrids = nullptr;
  QLabel* lblStatus = nullptr;
  QAction* actSearch = nullptr;
  std::vector<QAction*> menuActions;  // in the order of DecideMainMenu's actions
  QTimer tmrSearchTimer;
  SearchTab* shownTab = nullptr;  // the tab whose criteria the fields show
  int searchTabsMade = 0;         // numbers the tabs' captions
  int gridPagesMade = 0;          // numbers the grid pages' captions
  int gridSearchesMade = 0;       // numbers the "Grid Search " tabs
  QSize sizeHeldFrom;             // the last size below the least that the window grew back from
  bool closeUnderWay = false;  // a close asks its questions or waits for the searches' end
  bool closing = false;  // the close has been settled and goes ahead
  bool stopRequested = false;  // the close comes from a stop signal: no one to ask
  bool closeAgreed = false;    // the user agreed, or no one is asked: the close goes ahead
  bool closeDeferred = false;  // a close waits for a job to return (DeferCloseWhileJobUnderWay)
};
