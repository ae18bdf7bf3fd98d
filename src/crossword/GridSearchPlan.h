#pragma once
// Searching over a grid and putting what was found back into it: the FIND text of a search over
// the selected grid words, and the grid word a chosen result goes into.

#include <cstdint>
#include <string>
#include <vector>

#include "crossword/GridData.h"
#include "search/request/SelectedWords.h"

// The words' patterns, '?' for an empty cell, joined by spaces: the request's checks and the
// results' report then describe what was searched for.
std::string SelectedWordsFind(const GridData& grid, const std::vector<SelectedWord>& words);

struct ResultPlace {
  enum Kind { kOtherGrid, kCurrentWord, kGridWord };
  Kind kind = kCurrentWord;
  const SelectedWord* word = nullptr;  // for kGridWord
};

// Where result `index` goes in the grid `gridId`. Results found over another grid (searchGridId,
// 0 for none) are refused there; a line of a crossing result, one line a grid word (gridWords),
// goes into the word it stands for; any other result into the current grid word.
ResultPlace PlaceResult(uint32_t searchGridId, const std::vector<SelectedWord>& gridWords,
                        int32_t wordsPerResult, int64_t index, uint32_t gridId);
