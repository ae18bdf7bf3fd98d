#include "search/engine/SearchThread.h"

#include "foundation/FailureText.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "search/engine/SearchControl.h"
#include "search/pattern/RegExpException.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/results/Results.h"

namespace {

void ReportFailure(const std::string& text) noexcept {
  try {
    ShowMessageBox(text, LoadResString(kErrorCaption), MB_OK);
  } catch (...) {
    // Nothing is left to report with; the search ends all the same.
  }
}
}  // namespace

SearchThread::SearchThread(SearchData& searchRequest, uint8_t searchMode,
                           std::atomic<uint8_t>& running, Results& store,
                           std::shared_ptr<SearchGate> searchGate,
                           std::function<void()> ended)
    : request(searchRequest),
      results(store),
      runningFlag(running),
      mode(searchMode),
      selectedWords(searchRequest.gridSlots.get()),
      lexicons(std::make_shared<const SearchLexicons>(SearchLexicons::Of(*searchRequest.lexicons))),
      gate(searchGate ? std::move(searchGate) : std::make_shared<SearchGate>()),
      onEnded(std::move(ended)),
      worker([this] { Execute(); }, WorkerThread::Priority::BelowNormal) {
  worker.Resume();
}

SearchThread::~SearchThread() {
  gate->Stop();
  worker.WaitFor();
}

void SearchThread::Execute() noexcept {
  try {
    if (mode == kGridSearch) {
      SearchControl engine(request, 0, 0, gate, lexicons, SearchControl::KeyWordTest::kNever);
      std::vector<std::string> chosen;
      if (selectedWords) engine.SearchGridWords(results, *selectedWords, 0, chosen);
    } else {
      SearchControl engine(request, 0, 0, gate, lexicons);
      if (request.multiWord && request.fromLetters.Total() > 0) {
        engine.SearchPhrases(results);
      } else {
        engine.SearchSingle(results);
      }
    }
  } catch (const RegExpException& failure) {
    try {
      failure.Show();
    } catch (...) {
    }
  } catch (...) {
    ReportFailure(CurrentFailureText());
  }
  runningFlag.store(0, std::memory_order_release);
  if (onEnded) onEnded();
}
