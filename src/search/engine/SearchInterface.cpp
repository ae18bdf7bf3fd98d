#include "search/engine/SearchInterface.h"

#include <algorithm>

#include "foundation/FailureText.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/PlatformTextIds.h"
#include "search/SearchTextIds.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/results/Results.h"
#include "search/selection/SelectLexiconsDialog.h"

std::atomic<int32_t> RunningSearchCount{0};

SearchInterface::SearchInterface(VirtualLexList& lexiconList)
    : request(std::make_unique<SearchData>(lexiconList)), results(std::make_unique<Results>()) {
  LoadSearchOptions(options.useAllFrom, options.suppressPermutations, options.caseSensitive,
                    options.reuseFromLetters);
}

SearchInterface::~SearchInterface() {
  // The thread's own end stops the search and releases a pause before it waits.
  thread.reset();
  if (searching) RunningSearchCount.fetch_sub(1);
}

bool SearchInterface::StartSearch(uint8_t searchMode) {
  if (searching) return ThreadRunning() ? StopSearch(true) : false;
  if (request->lexicons->CountSelected() == 0) {
    ResMessageBox(kNoLexiconSelectedText, kWarningCaption, MB_OK);
    ShowSelectLexicons();
    return false;
  }
  mode = searchMode;
  if (mode != kGridSearch) request->gridSlots.reset();
  request->useAllFrom = options.useAllFrom;
  request->suppressPermutations = options.suppressPermutations;
  request->caseSensitive = options.caseSensitive;
  request->reuseFromLetters = options.reuseFromLetters;
  if (!ReadyToSearch(*request, fields, mode)) return false;
  try {
    Prepare();
  } catch (...) {
    ShowMessageBox(CurrentFailureText(), LoadResString(kErrorCaption), MB_OK);
    return false;
  }
  thread = std::make_unique<SearchThread>(*request, mode, threadRunning, *results,
                                          std::make_shared<SearchGate>(), threadEndHook);
  return true;
}

// The working files are made first: a Temp folder that cannot take them leaves the tab idle.
void SearchInterface::Prepare() {
  results->Clear();
  if (mode == kGridSearch) {
    results->SetWordsPerResult(static_cast<int32_t>(request->gridSlots->words.size()));
  }
  searching = true;
  threadRunning.store(1, std::memory_order_release);
  RunningSearchCount.fetch_add(1);
  resultsShown = false;
  paused = false;
  timerOn = true;
}

bool SearchInterface::StopSearch(bool ask) {
  if (!searching || !thread) return true;
  if (ask) {
    const bool wasPaused = paused;
    Pause(true);
    const int answer = ResMessageBox(kTerminateSearchText, kConfirmCaption,
                                     MB_OKCANCEL | MB_ICONEXCLAMATION | MB_TASKMODAL);
    // Declining leaves the search as the user had it, paused or not.
    Pause(wasPaused);
    if (answer != IDOK) return false;
  }
  // A stop also ends a pause: a stopped search always reaches its end.
  thread->Stop();
  paused = false;
  return true;
}

void SearchInterface::TerminateSearch() {
  if (!searching) return;
  results->DropGathered();
  StopSearch(false);
}

void SearchInterface::Pause(bool pause) {
  if (thread) thread->Pause(pause);
  paused = pause;
}

void SearchInterface::Tick() {
  if (!timerOn || ThreadRunning()) return;
  timerOn = false;
  Finish();
}

void SearchInterface::Finish() {
  results->Finish(BuildHeader(fields, *request));
  searching = false;
  paused = false;
  thread.reset();
  RunningSearchCount.fetch_sub(1);
}

void SearchInterface::ShowSelectLexicons() {
  SelectLexiconsDialog::Show(*request->lexicons);
  request->fromChanged = 1;
}

int32_t SearchInterface::GetResultCount() const { return static_cast<int32_t>(results->Count()); }

std::string SearchInterface::GetResult(uint32_t index) { return results->GetResult(index); }

int32_t SearchInterface::GetDisplayWidth() {
  return std::max<int32_t>(4, static_cast<int32_t>(results->Longest()));
}

bool SearchInterface::SetSortType(uint8_t ordering) {
  if (searching) return false;
  results->SetSortType(ordering);
  return true;
}

bool SearchInterface::SetSortDirection(uint8_t reverse) {
  if (searching) return false;
  results->SetSortDirection(reverse);
  return true;
}

bool SearchInterface::LoadFromFile(const std::string& path, ResultsHeader& header) {
  if (searching) return false;
  header = results->LoadFromFile(path);
  return true;
}

void SearchInterface::SaveOptions(const SearchOptions& options) {
  Settings& settings = Settings::Instance();
  settings.SetBool(SettingId::UseAllFrom, options.useAllFrom != 0);
  settings.SetBool(SettingId::SuppressPermutations, options.suppressPermutations != 0);
  settings.SetBool(SettingId::CaseSensitive, options.caseSensitive != 0);
  settings.SetBool(SettingId::ReuseFromLetters, options.reuseFromLetters != 0);
}
