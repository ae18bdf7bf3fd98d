#pragma once
// The worker thread of one search: drives one engine over the request and writes straight into
// the results store. Whatever the engine throws is reported and ends the search with what it
// found; clearing the running flag (with release order, so that everything the search wrote is
// seen by whoever reads the flag) is always its last act.

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>

#include "platform/WorkerThread.h"
#include "search/engine/SearchGate.h"
#include "search/selection/SearchLexicons.h"

class Results;
class SearchData;
class SelectedWords;

constexpr uint8_t kGridSearch = 0;  // crossing grid words
constexpr uint8_t kWordSearch = 1;  // single pattern, anagram or multi-word

class SearchThread {
 public:
  // Takes the request's lexicon images and, for a grid search, its selected words here, on the
  // caller's thread, and starts at once, one step below normal priority. gate is the search's
  // one stop token; a stop set on it before the engine exists is kept.
  // ended, when set, is called on the search thread just after running is cleared.
  SearchThread(SearchData& searchRequest, uint8_t searchMode, std::atomic<uint8_t>& running,
               Results& store, std::shared_ptr<SearchGate> searchGate,
               std::function<void()> ended = {});
  // Stops the search, ends a pause and waits for the thread.
  ~SearchThread();
  SearchThread(const SearchThread&) = delete;
  SearchThread& operator=(const SearchThread&) = delete;

  void Stop() { gate->Stop(); }
  void Pause(bool pause) { gate->Pause(pause); }
  // Waits for the thread to end, keeping the GUI responsive on the GUI thread.
  void WaitFor() { worker.WaitFor(); }

 private:
  void Execute() noexcept;

  SearchData& request;
  Results& results;
  std::atomic<uint8_t>& runningFlag;
  const uint8_t mode;
  SelectedWords* selectedWords;
  std::shared_ptr<const SearchLexicons> lexicons;
  std::shared_ptr<SearchGate> gate;
  std::function<void()> onEnded;
  WorkerThread worker;  // last: it stops first, before what its body uses goes
};
