#pragma once
// What all levels of one search share. Only the search thread touches it, except the stop flag.

#include <memory>
#include <string>

#include "lookup/WNInterface.h"
#include "search/SearchControl.h"

class SearchData;

struct SearchControl::Shared {
  SearchData& request;
  StopToken stop;
  std::shared_ptr<const SearchLexicons> lexicons;
  std::unique_ptr<WNInterface> keyWords;  // made only when the request has key words
  SorvaneArray phrase;
  std::string find;  // the search's own copy of FIND, cut into words by the phrase levels
};
