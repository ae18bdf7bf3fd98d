#pragma once
// The lexicon images one search reads, taken from its request's selection on the main thread
// before the search starts. Holding them keeps every image alive until the search has ended,
// whatever happens to the selection or the lexicon list meanwhile.

#include <memory>
#include <vector>

#include "search/lexicon/VirtualLex.h"

class VirtualLexListView;

struct SearchLexicons {
  std::vector<std::shared_ptr<const LexImage>> selected;  // the selected lexicons, in view order
  std::shared_ptr<const LexImage> subset;  // the subset lexicon of a multi-word search, if loaded

  static SearchLexicons Of(const VirtualLexListView& view);
};
