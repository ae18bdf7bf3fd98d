// How many candidate words per second the key-word filter can test: it runs
// WNInterface::MatchesKeyWords once for every word a search finds.

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

#include "lookup/WNInterface.h"

namespace {

// Every 250th word of the system word list: common words, names, inflected forms and words
// the dictionary does not hold, in the proportions a search meets them.
std::vector<std::string> SampleWords() {
  std::ifstream list("/usr/share/dict/american-english");
  std::vector<std::string> words;
  std::string line;
  for (size_t n = 0; std::getline(list, line); ++n)
    if (n % 250 == 0) words.push_back(line);
  return words;
}

void BM_MatchesKeyWords(benchmark::State& state) {
  const std::vector<std::string> words = SampleWords();
  if (words.empty()) {
    state.SkipWithError("no word list");
    return;
  }
  WNInterface wordNet(std::string(SORVANE_BIN_DIR) + "/Wordnet");
  const std::vector<std::string> keyWords = {" animal", " colour", " music"};
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(wordNet.MatchesKeyWords(words[next], keyWords));
    next = (next + 1) % words.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MatchesKeyWords)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

}  // namespace

BENCHMARK_MAIN();
