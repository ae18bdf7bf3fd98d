#include "search/selection/SearchLexicons.h"

#include "search/selection/VirtualLexListView.h"

SearchLexicons SearchLexicons::Of(const VirtualLexListView& view) {
  SearchLexicons lexicons;
  for (const LexViewInfo& entry : view.Entries()) {
    if (!entry.selected || !entry.lexicon) continue;
    if (auto image = entry.lexicon->Image()) lexicons.selected.push_back(std::move(image));
  }
  lexicons.subset = view.subsetLexicon.Image();
  return lexicons;
}
