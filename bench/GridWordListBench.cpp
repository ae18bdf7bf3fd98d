// Renumbering a 99 x 99 grid and listing its Across and Down words, the work after every change
// of blanks or bars and for every word-list export, against the peer of one plain read of every
// cell. Goal: under 1 ms; the closing line gives the time and the ratio to the peer.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>

#include "GridBenchGrids.h"

namespace {

constexpr int32_t kSize = 99;

GridData BenchGrid() {
  GridDefaults defaults;
  GridData grid(kSize, kSize, defaults);
  FillBenchGrid(grid);
  return grid;
}

void BM_ReadEveryCell(benchmark::State& state) {
  const GridData grid = BenchGrid();
  for (auto _ : state) {
    uint32_t sum = 0;
    for (int32_t r = 0; r < kSize; ++r)
      for (int32_t c = 0; c < kSize; ++c) sum += static_cast<uint8_t>(grid.Cell(c, r).Letter());
    benchmark::DoNotOptimize(sum);
  }
}

void BM_RenumberAndWordList(benchmark::State& state) {
  GridData grid = BenchGrid();
  for (auto _ : state) {
    grid.Renumber();
    std::string list = grid.GetWordList();
    benchmark::DoNotOptimize(list);
  }
}

BENCHMARK(BM_ReadEveryCell)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RenumberAndWordList)->Unit(benchmark::kMicrosecond);

// Keeps each benchmark's time per iteration for the closing line.
class RecordingReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs)
      if (run.run_type == Run::RT_Iteration) microseconds[run.benchmark_name()] = run.GetAdjustedRealTime();
    ConsoleReporter::ReportRuns(runs);
  }
  std::map<std::string, double> microseconds;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  RecordingReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  benchmark::Shutdown();
  const double list = reporter.microseconds["BM_RenumberAndWordList"];
  const double read = reporter.microseconds["BM_ReadEveryCell"];
  if (list <= 0 || read <= 0) return 0;
  std::printf("\nRenumber + GetWordList, 99 x 99: %.1f us (goal under 1000 us: %s); %.1f x one read of every cell (%.2f us)\n",
              list, list < 1000 ? "met" : "missed", list / read, read);
  return list < 1000 ? 0 : 1;
}
