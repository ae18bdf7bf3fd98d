#pragma once
// What all levels of one search share. Only the search thread touches it, except the stop flag.

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "lookup/WNInterface.h"
#include "search/engine/PhraseWords.h"
#include "search/engine/SearchGate.h"
#include "search/engine/SorvaneArray.h"
#include "search/selection/SearchLexicons.h"

class SearchData;

struct SearchControlShared {
  SearchData& request;
  StopToken stop;
  std::shared_ptr<const SearchLexicons> lexicons;
  std::unique_ptr<WNInterface> keyWords;  // made only when the request has key words
  SorvaneArray phrase;
  std::string find;  // the search's own copy of FIND, cut into words by the phrase levels
  std::unique_ptr<PhraseWords> phraseWords;  // the subset's words, decoded by the first level
  std::vector<uint32_t> everyWord;            // 0, 1, ... one position a word of phraseWords
  // Per level of a phrase search, the positions of the words its letters can spell; a deque,
  // so a deeper level's growth never moves the lists of the levels above it.
  std::deque<std::vector<uint32_t>> spellable;
};
