#pragma once
// The one way a search runs, whoever asks for it (a search tab, lexicon-tool, the tests): the
// fields as typed go to the request, the request validates them, a multi-word search first
// narrows its lexicons to the words its FROM letters can make, the engine runs on a
// SearchThread, and the results are finished with a header of the criteria.

#include <cstdint>
#include <memory>
#include <string>

#include "search/engine/SearchThread.h"
#include "search/results/ResultsHeader.h"
#include "search/results/SearchCriteria.h"

class Results;
class SearchData;

// Hands the fields to the request in this order, stopping at the first it refuses: key words,
// find, from, include, exclude. True when all were accepted.
bool ApplyFields(SearchData& request, const SearchFields& fields);

// Everything before the engine: a grid search (mode kGridSearch) needs selected words; the
// fields, then the request's validation; and a multi-word word search whose FROM letters
// changed runs the lexicon analysis under its dialog (ended other than with OK, the change mark
// is set again). False when no search may start; the user has been told why.
bool ReadyToSearch(SearchData& request, const SearchFields& fields, uint8_t mode);

// The criteria recorded in the results header: the fields as typed, the options of the request,
// and Re-use From Letters only when Use All From is off.
ResultsHeader BuildHeader(const SearchFields& fields, const SearchData& request);

// A whole search for callers that wait for it: ready, the results cleared, the engine on its
// thread and waited for, the results finished. gate, when given, lets another thread stop it.
// False when no search ran.
bool RunSearch(SearchData& request, const SearchFields& fields, Results& results, uint8_t mode,
               std::shared_ptr<SearchGate> gate = nullptr);
