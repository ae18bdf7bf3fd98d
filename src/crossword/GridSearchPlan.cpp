#include "crossword/GridSearchPlan.h"

std::string SelectedWordsFind(const GridData& grid, const std::vector<SelectedWord>& words) {
  std::string find;
  for (const SelectedWord& word : words) {
    if (&word != &words.front()) find += ' ';
    find += word.direction == SelectedWord::kAcross
                ? grid.GetAcrossWord(int32_t(word.column), int32_t(word.row), false)
                : grid.GetDownWord(int32_t(word.column), int32_t(word.row), false);
  }
  return find;
}

ResultPlace PlaceResult(uint32_t searchGridId, const std::vector<SelectedWord>& gridWords,
                        int32_t wordsPerResult, int64_t index, uint32_t gridId) {
  if (searchGridId != 0 && searchGridId != gridId) return {ResultPlace::kOtherGrid};
  if (wordsPerResult >= 2 && size_t(wordsPerResult) == gridWords.size()) {
    return {ResultPlace::kGridWord, &gridWords[size_t(index % wordsPerResult)]};
  }
  return {};
}
