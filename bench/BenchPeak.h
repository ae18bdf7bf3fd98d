#pragma once
// A whole program's time and peak resident memory, for the comparisons that weigh both.

#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "BenchProcess.h"

struct Measured {
  double seconds = 0;
  double peakMegabytes = 0;
  bool ok = false;
};

// Runs argv with its output into outPath. The peak comes from /usr/bin/time, which waits for
// the program itself: a child spawned by the benchmark would count the benchmark's own memory.
inline Measured RunMeasured(std::vector<std::string> argv,
                            const std::string& outPath = BenchFolder() + "out") {
  const std::string peakFile = BenchFolder() + "peak";
  argv.insert(argv.begin(), {"/usr/bin/time", "-f", "%M", "-o", peakFile});
  const auto start = std::chrono::steady_clock::now();
  const int status =
      RunProcess(argv, BenchEnvironment(BenchFolder()), outPath, BenchFolder() + "err");
  Measured measured;
  measured.seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  double kilobytes = 0;
  std::ifstream(peakFile) >> kilobytes;
  measured.peakMegabytes = kilobytes / 1024.0;
  measured.ok = status == 0;
  return measured;
}
