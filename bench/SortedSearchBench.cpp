// A large sorted search, whole processes side by side: `!` FROM elevenplustwo over the
// american-english lexicon (about 31 million phrases) sorted alphabetically by lexicon-tool
// search, against the same search as found followed by `LC_ALL=C sort` of its output, with each
// side's peak resident memory (the peer's is the larger of its two programs').

#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "BenchPeak.h"

namespace {

namespace fs = std::filesystem;

void BM_SortedSearchAgainstSort(benchmark::State& state) {
  const std::string lexicon = BenchFolder() + "american.lex";
  if (!fs::exists(lexicon) && !BuildLexicon("/usr/share/dict/american-english", lexicon)) {
    return state.SkipWithError("lexicon-tool build failed");
  }
  const auto search = [&](const char* sort) {
    return std::vector<std::string>{std::string(SORVANE_BIN_DIR) + "/lexicon-tool",
                                    "search",
                                    "--find",
                                    "!",
                                    "--from",
                                    "elevenplustwo",
                                    "--sort",
                                    sort,
                                    lexicon};
  };
  const std::string found = BenchFolder() + "found.txt";
  Measured tool, peer;
  for (auto _ : state) {
    const Measured sorted = RunMeasured(search("alpha"), BenchFolder() + "sorted.txt");
    const Measured asFound = RunMeasured(search("found"), found);
    const Measured sort = RunMeasured({"/usr/bin/sort", found}, BenchFolder() + "sort-sorted.txt");
    if (!sorted.ok || !asFound.ok || !sort.ok) return state.SkipWithError("a program failed");
    tool.seconds += sorted.seconds;
    peer.seconds += asFound.seconds + sort.seconds;
    tool.peakMegabytes = std::max(tool.peakMegabytes, sorted.peakMegabytes);
    peer.peakMegabytes = std::max({peer.peakMegabytes, asFound.peakMegabytes, sort.peakMegabytes});
    state.SetIterationTime(sorted.seconds);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["sortedSearchSeconds"] = tool.seconds / runs;
  state.counters["foundPlusSortSeconds"] = peer.seconds / runs;
  state.counters["sortedPerFoundPlusSort"] = tool.seconds / peer.seconds;
  state.counters["sortedSearchPeakMB"] = tool.peakMegabytes;
  state.counters["foundPlusSortPeakMB"] = peer.peakMegabytes;
  state.SetLabel("! FROM elevenplustwo, american-english");
}
BENCHMARK(BM_SortedSearchAgainstSort)->Iterations(1)->UseManualTime()->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
