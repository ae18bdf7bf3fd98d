// The results store with a million results: gathering them as a search does (including the
// end-of-search sort for the sorted orderings), then reading every one back by index.
// Counters: the resident memory while the set is full (before the sort writes it out) and the
// process's peak resident memory so far.

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <fstream>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "search/results/Results.h"

namespace {

constexpr uint32_t kResults = 1'000'000;

// Two-word phrases from the word list, as a multi-word search finds them: a million texts,
// nearly all different, in no particular order.
const std::vector<std::string>& Phrases() {
  static const std::vector<std::string> phrases = [] {
    std::vector<std::string> words;
    std::ifstream list("/usr/share/dict/american-english");
    for (std::string word; std::getline(list, word);) words.push_back(word);
    if (words.empty()) words = {"alpha", "beta", "gamma"};
    std::vector<std::string> result;
    result.reserve(kResults);
    const size_t n = words.size();
    for (size_t i = 0; i < kResults; ++i) {
      result.push_back(words[(i * 7919) % n] + " " + words[(i * 104729 + i / n) % n]);
    }
    return result;
  }();
  return phrases;
}

double ResidentMegabytes() {
  std::ifstream statm("/proc/self/statm");
  long size = 0, resident = 0;
  statm >> size >> resident;
  return static_cast<double>(resident) * static_cast<double>(::sysconf(_SC_PAGESIZE)) / 1048576.0;
}

double PeakMegabytes() {
  rusage usage{};
  ::getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;
}

void UseOrdering(int64_t ordering) {
  UseBenchAppPaths();
  Settings::Instance().SetInt(SettingId::SortType, static_cast<int32_t>(ordering));
  Settings::Instance().SetInt(SettingId::SortMode, 0);
}

void BM_AddMillionAndFinish(benchmark::State& state) {
  UseOrdering(state.range(0));
  const auto& phrases = Phrases();
  double residentFull = 0;
  for (auto _ : state) {
    Results results;
    results.Clear();
    for (const std::string& phrase : phrases) results.Add(phrase);
    residentFull = ResidentMegabytes();
    results.Finish({});
    benchmark::DoNotOptimize(results.Count());
    state.counters["stored"] = results.Count();
  }
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * kResults);
  state.counters["rss_full_MB"] = residentFull;
  state.counters["peak_rss_MB"] = PeakMegabytes();
}

void BM_ReadMillionByIndex(benchmark::State& state) {
  UseOrdering(state.range(0));
  Results results;
  results.Clear();
  for (const std::string& phrase : Phrases()) results.Add(phrase);
  results.Finish({});
  size_t bytes = 0;
  for (auto _ : state) {
    for (uint32_t i = 0; i < results.Count(); ++i) bytes += results.GetResult(i).size();
  }
  benchmark::DoNotOptimize(bytes);
  state.SetItemsProcessed(static_cast<int64_t>(state.iterations()) * results.Count());
  state.counters["peak_rss_MB"] = PeakMegabytes();
}

// 2 as found, 0 alphabetical, 1 by length: from the least memory to the most.
BENCHMARK(BM_AddMillionAndFinish)->Arg(2)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReadMillionByIndex)->Arg(2)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
