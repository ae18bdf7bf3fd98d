// Start to first paint of the main window, whole processes: `window-probe print shown close`
// against a bare QMainWindow program of the same size (bare-window), each run 20 times with
// fresh settings. Offscreen always; on X as well when DISPLAY is set (run it under xvfb-run).
// Prints the median of what each process reports (milliseconds from its start to its first
// paint, to the kernel's 10 ms clock ticks) and of the whole process's run, and their ratios.
// Goal: the main window paints within 300 ms of its start.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchProcess.h"

namespace {
constexpr int kRuns = 20;

struct Figures {
  double shownMs = 0;  // median of the reported start-to-paint times
  double wholeMs = 0;  // median of the process run times
};

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

Figures Measure(const std::vector<std::string>& argv, const std::vector<std::string>& env,
                const std::string& scratch) {
  std::vector<double> shown, whole;
  for (int run = 0; run < kRuns; ++run) {
    const auto start = std::chrono::steady_clock::now();
    const int status = RunProcess(argv, env, scratch + "out", scratch + "err");
    const auto end = std::chrono::steady_clock::now();
    if (status != 0) {
      std::fprintf(stderr, "%s failed (status %d)\n", argv[0].c_str(), status);
      std::exit(1);
    }
    std::ifstream out(scratch + "out");
    double ms = -1;
    out >> ms;
    shown.push_back(ms);
    whole.push_back(std::chrono::duration<double, std::milli>(end - start).count());
  }
  return {Median(shown), Median(whole)};
}

void Compare(const char* platform, const std::vector<std::string>& env, const std::string& scratch) {
  const std::string bin = SORVANE_BIN_DIR;
  const Figures window =
      Measure({bin + "/window-probe", "print", "shown", "close"}, env, scratch);
  const Figures bare = Measure({bin + "/bare-window"}, env, scratch);
  std::printf("%-10s main window: shown %6.1f ms, process %6.1f ms | bare QMainWindow: shown "
              "%6.1f ms, process %6.1f ms | ratio shown %.2f, process %.2f | goal 300 ms: %s\n",
              platform, window.shownMs, window.wholeMs, bare.shownMs, bare.wholeMs,
              window.shownMs / std::max(bare.shownMs, 1.0), window.wholeMs / bare.wholeMs,
              window.shownMs <= 300 ? "met" : "missed");
}
}  // namespace

int main() {
  char folder[] = "/tmp/window-start-XXXXXX";
  if (!mkdtemp(folder)) return 1;
  const std::string scratch = std::string(folder) + "/";
  std::vector<std::string> env = BenchEnvironment(scratch);
  env.push_back("XDG_RUNTIME_DIR=" + scratch);
  std::vector<std::string> offscreen = env;
  offscreen.push_back("QT_QPA_PLATFORM=offscreen");
  Compare("offscreen", offscreen, scratch);
  if (const char* display = std::getenv("DISPLAY")) {
    std::vector<std::string> x = env;
    x.push_back("QT_QPA_PLATFORM=xcb");
    x.push_back(std::string("DISPLAY=") + display);
    if (const char* authority = std::getenv("XAUTHORITY")) x.push_back(std::string("XAUTHORITY=") + authority);
    Compare("X (xcb)", x, scratch);
  }
  std::filesystem::remove_all(folder);
  return 0;
}
