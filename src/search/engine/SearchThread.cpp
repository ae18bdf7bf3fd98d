#include "search/engine/SearchThread.h"

#include "foundation/FailureText.h"
#include "foundation/ResStrings.h"
#include "search/engine/SearchControl.h"
#include "search/pattern/RegExpException.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/results/Results.h"

namespace {
constexpr int32_t kErrorCaption = 8324;

void ReportFailure(const std::string& text) noexcept {
  try {
    ShowMessageBox(text, LoadResString(kErrorCaption), MB_OK);
  } catch (...) {
    // Nothing is left to report with; the search ends all the same.
  }
}
}  // namespace

SearchThread::SearchThread(SearchData& request, uint8_t mode, std::atomic<uint8_t>& runningFlag,
                           Results& results, std::shared_ptr<SearchGate> gate)
    : request_(request),
      results_(results),
      runningFlag_(runningFlag),
      mode_(mode),
      selectedWords_(request.gridSlots.get()),
      lexicons_(std::make_shared<const SearchLexicons>(SearchLexicons::Of(*request.lexicons))),
      gate_(gate ? std::move(gate) : std::make_shared<SearchGate>()),
      worker_([this] { Execute(); }, WorkerThread::Priority::BelowNormal) {
  worker_.Resume();
}

SearchThread::~SearchThread() {
  gate_->Stop();
  worker_.WaitFor();
}

void SearchThread::Execute() noexcept {
  try {
    if (mode_ == kGridSearch) {
      SearchControl engine(request_, 0, 0, gate_, lexicons_, SearchControl::KeyWordTest::kNever);
      std::vector<std::string> chosen;
      if (selectedWords_) engine.SearchGridWords(results_, *selectedWords_, 0, chosen);
    } else {
      SearchControl engine(request_, 0, 0, gate_, lexicons_);
      if (request_.multiWord && request_.fromLetters.Total() > 0) {
        engine.SearchPhrases(results_);
      } else {
        engine.SearchSingle(results_);
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
  runningFlag_.store(0, std::memory_order_release);
}
