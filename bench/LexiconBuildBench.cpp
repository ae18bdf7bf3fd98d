// Building a lexicon from a word list, whole processes side by side: lexicon-tool build (read,
// validate, chunk, sort, merge, compile, install) against `LC_ALL=C sort -u` of the same list,
// with each one's peak resident memory. Lists: american-english-large (170k lines), the same
// checked against the american-english lexicon, and a 1,000,000-line list made once from the
// Debian lists shuffled with a fixed seed and topped up with generated words; and a
// 12,000,000-line list, whose build is also watched for the most its working files hold in the
// Temp folder at once.

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <random>
#include <string>
#include <thread>
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

constexpr size_t kBigLines = 12 * kMillion;
constexpr size_t kSortRecordBytes = 40;

// american-english-large over and over, each round with its own ending (a few rounds repeat an
// earlier one, for duplicates), in an order spread over the whole list.
const std::string& TwelveMillionLineList() {
  static const std::string path = [] {
    const std::vector<std::string> words = LinesOf(kLarge);
    const std::string file = BenchFolder() + "twelve-million.txt";
    std::ofstream out(file);
    constexpr size_t kStride = 7919;  // shares no factor with kBigLines
    for (size_t i = 0; i < kBigLines; ++i) {
      const size_t k = i * kStride % kBigLines;
      const size_t round = k / words.size() % 60;
      out << words[k % words.size()];
      if (round) out << char('a' + round % 26) << char('a' + round / 26);
      out << '\n';
    }
    return file;
  }();
  return path;
}

uintmax_t FolderBytes(const std::string& folder) {
  uintmax_t bytes = 0;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const uintmax_t size = fs::file_size(it->path(), error);
    if (!error) bytes += size;
    error.clear();
  }
  return bytes;
}

// Runs argv, sampling the Temp folder every few milliseconds; the time, and the largest sample.
Measured RunWatchingTemp(const std::vector<std::string>& argv, uintmax_t* tempPeak) {
  const std::string temp = std::string(SORVANE_BIN_DIR) + "/Temp";
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = StartProcess(argv, BenchEnvironment(BenchFolder()), BenchFolder() + "out",
                                   BenchFolder() + "err");
  int status = child < 0 ? -1 : -2;
  while (status == -2) {
    *tempPeak = std::max(*tempPeak, FolderBytes(temp));
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    status = WaitForProcess(child, WNOHANG);
  }
  Measured measured;
  measured.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  measured.ok = status == 0;
  return measured;
}

void BM_TwelveMillionLineBuild(benchmark::State& state) {
  if (!fs::exists(kLarge)) return state.SkipWithError("american-english-large not installed");
  const std::string& list = TwelveMillionLineList();
  const std::vector<std::string> build = {std::string(SORVANE_BIN_DIR) + "/lexicon-tool", "build",
                                          list, BenchFolder() + "big.lex"};
  const std::vector<std::string> sort = {"/usr/bin/sort", "-u", list, "-o",
                                         BenchFolder() + "sorted"};
  uintmax_t tempPeak = 0;
  Measured tool, peer;
  for (auto _ : state) {
    fs::remove(BenchFolder() + "big.lex");
    fs::remove(BenchFolder() + "big.lxb");
    const Measured t = RunWatchingTemp(build, &tempPeak);
    const Measured s = RunMeasured(sort);
    if (!t.ok || !s.ok) return state.SkipWithError("a program failed");
    tool.seconds += t.seconds;
    peer.seconds += s.seconds;
    state.SetIterationTime(t.seconds);
  }
  const double runs = static_cast<double>(state.iterations());
  const double recordFile = static_cast<double>(kBigLines * kSortRecordBytes);
  state.counters["toolSeconds"] = tool.seconds / runs;
  state.counters["sortUniqueSeconds"] = peer.seconds / runs;
  state.counters["toolPerSortUnique"] = tool.seconds / peer.seconds;
  state.counters["tempPeakMB"] = static_cast<double>(tempPeak) / 1e6;
  state.counters["tempPeakPerRecordFile"] = static_cast<double>(tempPeak) / recordFile;
  state.SetLabel("12,000,000 lines; record file 40 bytes a line");
}
BENCHMARK(BM_TwelveMillionLineBuild)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
