// Building a lexicon from a word list, whole processes side by side: lexicon-tool build (read,
// validate, chunk, sort, merge, compile, install) against `LC_ALL=C sort -u` of the same list,
// with each one's peak resident memory. Lists: american-english-large (170k lines), the same
// checked against the american-english lexicon, and a 1,000,000-line list made once from the
// Debian lists shuffled with a fixed seed and topped up with generated words.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "BenchPeak.h"

namespace {

namespace fs = std::filesystem;

constexpr size_t kMillion = 1000000;
const std::string kLarge = "/usr/share/dict/american-english-large";
const std::string kSmall = "/usr/share/dict/american-english";

std::vector<std::string> LinesOf(const std::string& path) {
  std::ifstream in(path);
  std::vector<std::string> lines;
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

const std::string& MillionLineList() {
  static const std::string path = [] {
    std::vector<std::string> lines;
    for (const char* list : {"american-english-insane", "british-english-insane",
                             "american-english-large", "british-english-large",
                             "british-english", "american-english"}) {
      const std::vector<std::string> more = LinesOf(std::string("/usr/share/dict/") + list);
      lines.insert(lines.end(), more.begin(), more.end());
      if (lines.size() >= kMillion) break;
    }
    std::mt19937 random(20261207);
    while (lines.size() < kMillion) {
      std::string word;
      for (size_t n = 3 + random() % 9; n > 0; --n) word += static_cast<char>('a' + random() % 26);
      lines.push_back(word);
    }
    lines.resize(kMillion);
    std::shuffle(lines.begin(), lines.end(), random);
    const std::string file = BenchFolder() + "million.txt";
    std::ofstream out(file);
    for (const std::string& line : lines) out << line << '\n';
    return file;
  }();
  return path;
}

const std::string& CheckLexicon() {
  static const std::string path = [] {
    const std::string lexicon = BenchFolder() + "check.lex";
    return BuildLexicon(kSmall, lexicon) ? lexicon : std::string();
  }();
  return path;
}

// Peak memory of the plain builds by line count, for the growth from 170k lines to a million.
std::map<int64_t, double>& PlainBuildPeaks() {
  static std::map<int64_t, double> peaks;
  return peaks;
}

// Arg 0: american-english-large; 1: the same checked against american-english; 2: a million.
void BM_BuildAgainstSortUnique(benchmark::State& state) {
  const int64_t which = state.range(0);
  if (!fs::exists(kLarge)) return state.SkipWithError("american-english-large not installed");
  const std::string list = which == 2 ? MillionLineList() : kLarge;
  std::vector<std::string> build = {std::string(SORVANE_BIN_DIR) + "/lexicon-tool", "build"};
  if (which == 1) {
    if (CheckLexicon().empty()) return state.SkipWithError("lexicon-tool build failed");
    build.insert(build.end(), {"--check", CheckLexicon()});
  }
  build.insert(build.end(), {list, BenchFolder() + "built.lex"});
  const std::vector<std::string> sort = {"/usr/bin/sort", "-u", list, "-o", BenchFolder() + "sorted"};

  Measured tool, peer;
  for (auto _ : state) {
    fs::remove(BenchFolder() + "built.lex");
    fs::remove(BenchFolder() + "built.lxb");
    const Measured t = RunMeasured(build);
    const Measured s = RunMeasured(sort);
    if (!t.ok || !s.ok) return state.SkipWithError("a program failed");
    tool.seconds += t.seconds;
    peer.seconds += s.seconds;
    tool.peakMegabytes = std::max(tool.peakMegabytes, t.peakMegabytes);
    peer.peakMegabytes = std::max(peer.peakMegabytes, s.peakMegabytes);
    state.SetIterationTime(t.seconds);
  }
  const double runs = static_cast<double>(state.iterations());
  state.counters["toolSeconds"] = tool.seconds / runs;
  state.counters["sortUniqueSeconds"] = peer.seconds / runs;
  state.counters["toolPerSortUnique"] = tool.seconds / peer.seconds;
  state.counters["toolPeakMB"] = tool.peakMegabytes;
  state.counters["sortUniquePeakMB"] = peer.peakMegabytes;
  if (which != 1) PlainBuildPeaks()[which] = tool.peakMegabytes;
  if (which == 2 && PlainBuildPeaks().count(0))
    state.counters["peakGrowthMB"] = tool.peakMegabytes - PlainBuildPeaks()[0];
  state.SetLabel(which == 0 ? "american-english-large"
                 : which == 1 ? "american-english-large --check american-english"
                              : "1,000,000 lines");
}
BENCHMARK(BM_BuildAgainstSortUnique)
    ->Arg(0)->Arg(1)->Arg(2)
    ->Iterations(3)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
