// The crossing grid-word search, in process: an H of three 5-letter words, two downs and the
// across that joins their middles, with three letters given, filled from the lower-case a-z
// words of american-english-large. Before timing, the results are checked against a plain
// nested scan of the same words; items per second are combinations found per second.
//
//   s . . . .        1 Down   s%%%e  (column 0)
//   . . . . .        2 Down   %%%%s  (column 4)
//   X . a . Y        3 Across %%a%%  (row 2), crossing the downs at X and Y
//   . . . . .
//   e . . . s

#include <benchmark/benchmark.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "foundation/CharClass.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/results/Results.h"
#include "search/engine/SearchControl.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/selection/VirtualLexList.h"

namespace {

struct GridWord {
  uint32_t column;
  uint32_t row;
  uint8_t direction;
  const char* gridPattern;  // '%' marks an open cell
};

// The across word first, so that each down is searched with its crossing letter in place.
const GridWord kGrid[] = {
    {0, 2, SelectedWord::kAcross, "%%a%%"},
    {0, 0, SelectedWord::kDown, "s%%%e"},
    {4, 0, SelectedWord::kDown, "%%%%s"},
};

// The lower-case a-z words of the list that a lexicon can hold, in lexicon order.
std::vector<std::string> LexiconWords() {
  std::vector<std::string> words = LowerCaseWords("/usr/share/dict/american-english-large");
  std::erase_if(words, [](const std::string& word) { return ValidWordLength(word.c_str()) == 0; });
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    return CompareWordStrings(a, b) < 0;
  });
  return words;
}

bool Fits(const std::string& word, const std::string& pattern) {
  if (word.size() != pattern.size()) return false;
  for (size_t i = 0; i < word.size(); ++i)
    if (pattern[i] != '%' && pattern[i] != word[i]) return false;
  return true;
}

// Every combination in the order the search finds them: each level walks the lexicon in
// order, no word twice in one combination.
std::vector<std::string> NestedScan(const std::vector<std::string>& words) {
  const auto fitting = [&](const char* pattern) {
    std::vector<std::string> result;
    std::copy_if(words.begin(), words.end(), std::back_inserter(result),
                 [&](const std::string& word) { return Fits(word, pattern); });
    return result;
  };
  const std::vector<std::string> acrosses = fitting(kGrid[0].gridPattern);
  const std::vector<std::string> lefts = fitting(kGrid[1].gridPattern);
  const std::vector<std::string> rights = fitting(kGrid[2].gridPattern);
  std::vector<std::string> found;
  for (const std::string& across : acrosses) {
    for (const std::string& left : lefts) {
      if (left == across || left[2] != across[0]) continue;
      for (const std::string& right : rights) {
        if (right == across || right == left || right[2] != across[4]) continue;
        found.insert(found.end(), {across, left, right});
      }
    }
  }
  return found;
}

// The stored results, one a line.
std::vector<std::string> StoredResults(Results& results) {
  const std::string block = results.GetBlock(0, results.Count());
  std::vector<std::string> lines;
  for (size_t at = 0, end; (end = block.find("\r\n", at)) != std::string::npos; at = end + 2)
    lines.push_back(block.substr(at, end - at));
  return lines;
}

class GridSearch {
 public:
  explicit GridSearch(const std::vector<std::string>& words) {
    UseBenchAppPaths();
    const std::string path = BenchFolder() + "large.lex";
    CompressDictionary writer(path);
    for (const std::string& word : words) writer.AddWord(word);
    writer.Close();
    list.ScanFiles({path});
    request = std::make_unique<SearchData>(list);
    request->lexicons->SelectAll();
    lexicons = std::make_shared<const SearchLexicons>(SearchLexicons::Of(*request->lexicons));
    for (const GridWord& word : kGrid)
      selected.Add(0, word.column, word.row, word.direction, word.gridPattern);
  }

  // One search as a search tab runs it: the store emptied, the engine, the store finished.
  void Run(Results& results) {
    results.Clear();
    results.SetWordsPerResult(static_cast<int32_t>(selected.words.size()));
    std::vector<std::string> chosen;
    SearchControl(*request, 0, 0, nullptr, lexicons, SearchControl::KeyWordTest::kNever)
        .SearchGridWords(results, selected, 0, chosen);
    results.Finish(ResultsHeader{});
  }

 private:
  VirtualLexList list;
  std::unique_ptr<SearchData> request;
  std::shared_ptr<const SearchLexicons> lexicons;
  SelectedWords selected;
};

void BM_CrossingGridWords(benchmark::State& state) {
  const std::vector<std::string> words = LexiconWords();
  if (words.empty()) return state.SkipWithError("american-english-large is not installed");
  GridSearch search(words);
  Results results;
  search.Run(results);
  if (StoredResults(results) != NestedScan(words)) return state.SkipWithError("results differ from a nested scan");

  for (auto _ : state) search.Run(results);
  const int64_t combinations = results.Count() / static_cast<int64_t>(std::size(kGrid));
  state.SetItemsProcessed(state.iterations() * combinations);
  state.counters["combinations"] = static_cast<double>(combinations);
}
BENCHMARK(BM_CrossingGridWords)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
