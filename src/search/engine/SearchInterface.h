#pragma once
// The controller of one search tab: the five fields as typed, the four options, the tab's
// request and results, and the search that runs over them. It starts, pauses, stops and
// finishes the tab's searches on the GUI thread; the search itself runs on a SearchThread, and
// the tab's 100 ms timer calls Tick, which finishes the results once the thread has ended.
//
// States: idle (not searching), running, paused, ended but not finished (threadRunning 0 and
// the timer on), and back to idle through Tick. RunningSearchCount is raised on leaving idle
// and lowered on returning to it, also when the tab is destroyed mid-search.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "search/engine/SearchRun.h"
#include "search/engine/SearchThread.h"
#include "search/results/ResultsHeader.h"

class Results;
class SearchData;
class VirtualLexList;

// The number of search tabs whose search has started and not yet been finished. Changed on the
// GUI thread only.
extern std::atomic<int32_t> RunningSearchCount;

class SearchInterface {
 public:
  // Empty fields, the options of the settings, a request over lexiconList, an empty store.
  explicit SearchInterface(VirtualLexList& lexiconList);
  // Stops a search still running (ending a pause), waits for it, and lowers RunningSearchCount
  // when the search was not finished.
  ~SearchInterface();
  SearchInterface(const SearchInterface&) = delete;
  SearchInterface& operator=(const SearchInterface&) = delete;

  // mode kWordSearch or kGridSearch (over the request's selected words). While a search runs
  // this is the Stop command and asks first. True when a search was started (or stopped).
  bool StartSearch(uint8_t mode);
  // False only when the user declines the question (ask true).
  bool StopSearch(bool ask);
  // Stops the search for a window that closes: what a sorted search gathered is dropped at its
  // end, unsorted, rather than kept waiting on a sort of up to 4 GB.
  void TerminateSearch();
  void Pause(bool pause);
  // The tab's timer: once the search thread has ended, switches itself off and finishes.
  void Tick();
  // Called on the search thread as each search thread ends, so a window can finish the search
  // at once instead of at its timer's next tick. Set it before the first search starts.
  void SetThreadEndHook(std::function<void()> hook) { threadEndHook = std::move(hook); }
  // Opens the Select Lexicons dialog over the request's selection.
  void ShowSelectLexicons();

  int32_t GetResultCount() const;
  // Result index as GetResult of the store reads it; safe while a search writes the store.
  std::string GetResult(uint32_t index);
  // max(4, the longest result): the width in characters of the results column.
  int32_t GetDisplayWidth();

  // Orderings, direction and loading change the store, which a search still writes or has yet
  // to finish: each is refused (false) until the search is finished.
  bool SetSortType(uint8_t ordering);
  bool SetSortDirection(uint8_t reverse);
  // Opens a saved pair into the store and fills header with its header; a pair that cannot be
  // opened throws as Results::LoadFromFile does, leaving the results as they were.
  bool LoadFromFile(const std::string& path, ResultsHeader& header);

  // Writes the four options to the settings.
  static void SaveOptions(const SearchOptions& options);

  bool Searching() const { return searching; }
  bool ResultsShown() const { return resultsShown; }
  void SetResultsShown(bool shown) { resultsShown = shown; }
  bool Paused() const { return paused; }
  bool ThreadRunning() const { return threadRunning.load(std::memory_order_acquire) != 0; }
  bool TimerOn() const { return timerOn; }
  uint8_t Mode() const { return mode; }
  // The request, for its lexicon selection and a grid search's selected words. Its fields and
  // options are set from the tab's only when a search starts.
  SearchData& Request() { return *request; }
  Results& GetResults() { return *results; }

  // The fields as typed, written by the window before StartSearch.
  SearchFields fields;
  // The options, written by the window; they reach the request when a search starts.
  SearchOptions options;

 private:
  void Prepare();
  void Finish();

  bool searching = false;
  bool resultsShown = false;
  bool paused = false;
  std::atomic<uint8_t> threadRunning{0};
  std::function<void()> threadEndHook;
  bool timerOn = false;
  std::unique_ptr<SearchData> request;
  std::unique_ptr<Results> results;
  std::unique_ptr<SearchThread> thread;
  uint8_t mode = kWordSearch;
};
