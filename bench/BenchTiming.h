#pragma once
// What the whole-process comparisons share: every program of every case timed as a benchmark
// of its own, keeping the fastest time a run took.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>

// Times run() over the state's iterations and keeps the fastest time per run in best: other
// work on the machine only ever slows a run down. False when a run failed.
template <typename Run>
bool TimeRuns(benchmark::State& state, Run run, double& best) {
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    if (!run()) return false;
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double seconds = elapsed.count() / static_cast<double>(state.iterations());
  best = best > 0 ? std::min(best, seconds) : seconds;
  return true;
}

// Registers time(state, &case, i) for program i of each case, named "case/program".
template <typename Cases, typename Time>
void RegisterPrograms(Cases& cases, Time time) {
  for (auto& c : cases) {
    for (size_t i = 0; i < c.programs.size(); ++i) {
      benchmark::RegisterBenchmark((c.name + "/" + c.programs[i].name).c_str(), time, &c, i)
          ->UseRealTime()
          ->Unit(benchmark::kMillisecond);
    }
  }
}
