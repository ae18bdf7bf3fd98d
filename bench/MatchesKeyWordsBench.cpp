// How fast the key-word filter tests the words a search finds: it runs
// WNInterface::MatchesKeyWords once for every word. BM_MatchesKeyWords gives words a second over
// a sample of the system word list; the KeyWordSearch cases run five whole searches over the
// a-z words of that list, each as the filter runs today (files in memory, searched by the
// program's line search, words in no list answered from the program's lists, answers remembered,
// the library's parsed entries kept) and as it ran before (file streams searched through stdio,
// every answer asked of the library, every entry parsed), and close with the ratios.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <mutex>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "foundation/CharClass.h"
#include "lookup/WNInterface.h"
#include "lookup/WordNetLibrary.h"
#include "lookup/WordNetLock.h"

namespace {

std::string DictionaryFolder() { return std::string(SORVANE_BIN_DIR) + "/Wordnet"; }

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
  WNInterface wordNet(DictionaryFolder());
  const std::vector<std::string> keyWords = {" animal", " colour", " music"};
  size_t next = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(wordNet.MatchesKeyWords(words[next], keyWords));
    next = (next + 1) % words.size();
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_MatchesKeyWords)->Unit(benchmark::kMicrosecond)->MinTime(2.0);

// A FIND pattern's words, told by a test of the word, and the key words of the search.
struct KeyWordSearch {
  const char* name;
  bool (*finds)(const std::string& word);
  std::vector<std::string> keyWords;
};

const std::vector<KeyWordSearch>& Searches() {
  static const std::vector<KeyWordSearch> searches = {
      {"star-feline", [](const std::string&) { return true; }, {" feline"}},
      {"c-star-animal", [](const std::string& w) { return w.front() == 'c'; }, {" animal"}},
      {"star-s-colour", [](const std::string& w) { return w.back() == 's'; }, {" colour"}},
      {"five-music", [](const std::string& w) { return w.size() == 5; }, {" music"}},
      {"star-horse-cattle", [](const std::string&) { return true; }, {" horse", " cattle"}},
  };
  return searches;
}

// In lexicon order (shorter words first), the order a search meets them in: a word's base form
// comes thousands of words before it.
const std::vector<std::string>& AzWords() {
  static const std::vector<std::string> words = [] {
    std::vector<std::string> list = LowerCaseWords("/usr/share/dict/american-english");
    std::stable_sort(list.begin(), list.end(), [](const std::string& a, const std::string& b) {
      return CompareWordStrings(a, b) < 0;
    });
    return list;
  }();
  return words;
}

// One search's filter over its words: a fresh object, as every search makes one.
void BM_KeyWordSearch(benchmark::State& state, const KeyWordSearch* search, bool today) {
  std::vector<std::string> words;
  for (const std::string& word : AzWords())
    if (search->finds(word)) words.push_back(word);
  if (words.empty()) {
    state.SkipWithError("no word list");
    return;
  }
  {
    const WNInterface starter(DictionaryFolder());  // the switch below needs the files open
    std::lock_guard lock(WordNetLock());
    WordNetLibrary::SetFilesInMemory(today);
  }
  size_t found = 0;
  for (auto _ : state) {
    WNInterface wordNet(DictionaryFolder());
    wordNet.rememberLookups = today;
    found = 0;
    for (const std::string& word : words) found += wordNet.MatchesKeyWords(word, search->keyWords);
  }
  {
    std::lock_guard lock(WordNetLock());
    WordNetLibrary::SetFilesInMemory(true);
  }
  state.counters["words"] = static_cast<double>(words.size());
  state.counters["found"] = static_cast<double>(found);
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
}

void RegisterSearches() {
  for (const KeyWordSearch& search : Searches()) {
    for (const bool today : {false, true}) {
      const std::string name =
          std::string("BM_KeyWordSearch/") + search.name + (today ? "/today" : "/before");
      benchmark::RegisterBenchmark(name.c_str(), BM_KeyWordSearch, &search, today)
          ->Unit(benchmark::kMillisecond)
          ->Iterations(1);
    }
  }
}

// Keeps each benchmark's times for the closing lines. The processor time is the steadier
// figure on a machine busy with other work.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  struct Times {
    double real = 0;
    double cpu = 0;
  };
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration)
        times[run.run_name.function_name] = {run.GetAdjustedRealTime(), run.GetAdjustedCPUTime()};
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, Times> times;
};

}  // namespace

int main(int argc, char** argv) {
  RegisterSearches();
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  std::printf("\n");
  for (const KeyWordSearch& search : Searches()) {
    const std::string name = std::string("BM_KeyWordSearch/") + search.name;
    const auto before = reporter.times[name + "/before"];
    const auto today = reporter.times[name + "/today"];
    if (before.real <= 0 || today.real <= 0 || before.cpu <= 0 || today.cpu <= 0) continue;
    std::printf(
        "%-18s before %7.0f ms (processor %7.0f), today %6.0f ms (%6.0f): %4.1f times as fast "
        "(processor %4.1f)\n",
        search.name, before.real, before.cpu, today.real, today.cpu, before.real / today.real,
        before.cpu / today.cpu);
  }
  return 0;
}
