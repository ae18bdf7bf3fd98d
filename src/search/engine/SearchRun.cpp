#include "search/engine/SearchRun.h"

#include <atomic>

#include "search/engine/SubsetThread.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/results/Results.h"

bool ApplyFields(SearchData& request, const SearchFields& fields) {
  return request.SetKeyWords(fields.keyWords) && request.SetFind(fields.find) &&
         request.SetFrom(fields.from) && request.SetInclude(fields.include) &&
         request.SetExclude(fields.exclude);
}

bool ReadyToSearch(SearchData& request, const SearchFields& fields, uint8_t mode) {
  // The grid model refuses words without an open cell, so the list can be empty: the boxes
  // that said why have been shown, and a search over no word has nothing to do.
  if (mode == kGridSearch && (!request.gridSlots || request.gridSlots->words.empty())) return false;
  if (!ApplyFields(request, fields) || !request.Validate()) return false;
  if (mode != kGridSearch && request.multiWord && request.fromChanged &&
      request.fromLetters.Total() > 0) {
    request.fromChanged = 0;
    if (!RunSubsetAnalysis(request)) {
      request.fromChanged = 1;
      return false;
    }
  }
  return true;
}

ResultsHeader BuildHeader(const SearchFields& fields, const SearchData& request) {
  ResultsHeader header;
  WriteCriteria(header, fields,
                {request.useAllFrom, request.suppressPermutations, request.caseSensitive,
                 uint8_t(request.reuseFromLetters && !request.useAllFrom)});
  return header;
}

bool RunSearch(SearchData& request, const SearchFields& fields, Results& results, uint8_t mode,
               std::shared_ptr<SearchGate> gate) {
  if (!ReadyToSearch(request, fields, mode)) return false;
  results.Clear();
  if (mode == kGridSearch) {
    results.SetWordsPerResult(static_cast<int32_t>(request.gridSlots->words.size()));
  }
  std::atomic<uint8_t> running{1};
  {
    SearchThread thread(request, mode, running, results, std::move(gate));
    thread.WaitFor();
  }
  results.Finish(BuildHeader(fields, request));
  return true;
}
