// The crossing search over grid words: each level fills one selected word, writing its letters
// into the crossing cells of the words still to come, and every complete combination is stored
// as consecutive results, one per selected word.

#include <algorithm>

#include "search/lexicon/Dictionary.h"
#include "search/results/Results.h"
#include "search/engine/SearchControl.h"
#include "search/engine/SearchControlShared.h"
#include "search/request/SelectedWords.h"

bool SearchControl::SearchGridWords(Results& results, SelectedWords& words, uint32_t k,
                                    std::vector<std::string>& chosen) {
  if (k >= words.words.size()) return false;
  const bool lastWord = k + 1 == words.words.size();
  uint8_t result = Dictionary::kFound;
  bool childResult = false;
  for (const auto& image : shared->lexicons->selected) {
    if (result == Dictionary::kCancelled || ShouldStop()) break;
    auto cursor = MakeCursor(image, false);
    const std::string pattern = words.words[k].pattern;
    const char* found = nullptr;
    result = cursor->FindNext(&found, pattern.c_str(), nullptr, 0, 0);
    for (; result == Dictionary::kFound; result = cursor->FindNext(&found, nullptr, nullptr, 0, 0)) {
      if (std::find(chosen.begin(), chosen.end(), found) != chosen.end()) continue;
      if (ShouldStop()) break;
      chosen.emplace_back(found);
      if (lastWord) {
        for (const std::string& text : chosen) results.Add(text);
      } else {
        std::vector<UpdatedItem> updates;
        words.ApplyAnswer(updates, k, found);
        SearchControl child(shared, findText, pool, false, 0, 0);
        childResult = child.SearchGridWords(results, words, k + 1, chosen);
        words.UndoUpdates(updates);
      }
      chosen.pop_back();
    }
  }
  return result != Dictionary::kFound || childResult;
}
