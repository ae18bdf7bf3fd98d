// lexicon-tool results as a whole process against the programs people use for the same jobs,
// over 1,000,000 results: two random words of american-english-large joined (at most 30
// letters, a fixed seed), saved as a results pair in the order found and, for the other
// programs, as a text file of the same lines. Re-sorting alphabetically and saving is timed
// against LC_ALL=C sort -u, the export as text against cat of the text into a file. Each case
// first checks that the outputs agree; a table of the ratios closes the run.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "BenchProcess.h"
#include "BenchTiming.h"
#include "foundation/LittleEndian.h"
#include "search/results/ResultsHeader.h"

namespace {

const std::string kLexiconTool = std::string(SORVANE_BIN_DIR) + "/lexicon-tool";
constexpr uint32_t kResults = 1000000;

struct Program {
  std::string name;
  std::vector<std::string> argv;
  double seconds = 0;  // per run, the fastest timing
};

struct Case {
  Case(std::string caseName, double least, std::vector<Program> contenders,
       std::function<std::string()> expected)
      : name(std::move(caseName)), goal(least), programs(std::move(contenders)),
        check(std::move(expected)) {}

  std::string name;
  double goal;  // the least ratio (theirs / ours) that meets it
  std::vector<Program> programs;  // lexicon-tool first
  // What lexicon-tool's output must equal: the file of the peer's output, read how.
  std::function<std::string()> check;
  bool checked = false;
  std::string failure;
};

std::string Path(const std::string& name) { return BenchFolder() + name; }

const std::vector<std::string>& Environment() {
  static const std::vector<std::string> env = BenchEnvironment(BenchFolder());
  return env;
}

// The results, as a pair found in this order and as a text file of the same lines.
bool MakeResults() {
  const std::vector<std::string> words = LowerCaseWords("/usr/share/dict/american-english-large");
  if (words.empty()) return false;
  std::mt19937 random(20261207);
  std::string lines;
  std::string data;
  std::string index;
  const auto entry = [&](uint32_t offset) {
    uint8_t bytes[4];
    WriteU32(bytes, offset);
    index.append(reinterpret_cast<const char*>(bytes), 4);
  };
  entry(kResultsHeaderBytes);
  size_t longest = 0;
  for (uint32_t made = 0; made < kResults;) {
    const std::string& first = words[random() % words.size()];
    const std::string& second = words[random() % words.size()];
    if (first.size() + second.size() > 30) continue;
    const std::string result = first + second;
    lines += result + "\n";
    data += result + "\r\n";
    entry(static_cast<uint32_t>(kResultsHeaderBytes + data.size()));
    longest = std::max(longest, result.size());
    ++made;
  }
  ResultsHeader header;
  header.magic = kResultsMagic;
  header.count = kResults;
  header.longest = static_cast<uint16_t>(longest);
  header.ordering = 2;
  SetHeaderText(header.find, "* *");
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header, bytes);
  std::ofstream(Path("found.kvq"), std::ios::binary)
      << std::string(reinterpret_cast<const char*>(bytes), sizeof bytes) << data;
  std::ofstream(Path("found.idx"), std::ios::binary) << index;
  std::ofstream(Path("found.txt"), std::ios::binary) << lines;
  return true;
}

std::string OutputPath(size_t program) { return Path(std::to_string(program) + ".out"); }

bool Run(const Case& c, size_t program) {
  return RunProcess(c.programs[program].argv, Environment(), OutputPath(program),
                    Path("stderr.txt")) == 0;
}

std::string ReadAll(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

void CheckOutputs(Case& c) {
  c.checked = true;
  for (size_t i = 0; i < c.programs.size(); ++i) {
    if (!Run(c, i)) {
      c.failure = c.programs[i].name + " failed: " + ReadAll(Path("stderr.txt"));
      return;
    }
  }
  if (c.check && c.check() != ReadAll(OutputPath(1))) c.failure = "outputs differ";
}

void TimeProgram(benchmark::State& state, Case* c, size_t program) {
  if (!c->checked) CheckOutputs(*c);
  if (!c->failure.empty()) return state.SkipWithError(c->failure.c_str());
  if (!TimeRuns(state, [&] { return Run(*c, program); }, c->programs[program].seconds)) {
    state.SkipWithError("the program failed");
  }
}

Program Ours(const std::vector<std::string>& options) {
  std::vector<std::string> argv = {kLexiconTool, "results", Path("found.kvq")};
  argv.insert(argv.end(), options.begin(), options.end());
  return {"lexicon-tool " + options.front() + " " + options[1], argv};
}

// The saved pair printed as lines, as sort prints them.
std::function<std::string()> Printed(const std::string& saved) {
  return [saved] {
    const std::vector<std::string> argv = {kLexiconTool, "results", saved, "--print"};
    RunProcess(argv, Environment(), Path("printed.txt"), Path("stderr.txt"));
    return ReadAll(Path("printed.txt"));
  };
}

std::vector<Case> MakeCases() {
  const std::string sort = "/usr/bin/sort";
  const std::string text = Path("found.txt");
  std::vector<Case> cases;
  cases.push_back(Case("sort alpha and save", 1.0,
                   {Ours({"--sort", "alpha", "--save", Path("alpha.kvq")}),
                    {"sort -u --parallel=1", {sort, "-u", "--parallel=1", text}}},
                   Printed(Path("alpha.kvq"))));
  cases.push_back(Case("sort length and save", 0.0,
                   {Ours({"--sort", "length", "--save", Path("length.kvq")}),
                    {"sort -u --parallel=1", {sort, "-u", "--parallel=1", text}}},
                   nullptr));
  cases.push_back(Case("sort alpha, parallel sort", 0.0,
                   {Ours({"--sort", "alpha", "--save", Path("alpha2.kvq")}),
                    {"sort -u", {sort, "-u", text}}},
                   nullptr));
  cases.push_back(Case("export as text", 1.0 / 3,
                   {Ours({"--export", Path("export.txt")}), {"cat", {"/usr/bin/cat", text}}},
                   nullptr));
  return cases;
}

void PrintRatios(const std::vector<Case>& cases) {
  std::printf("\n%-28s %12s  %-34s %8s  %-8s\n", "case", "lexicon-tool", "other", "ratio", "goal");
  for (const Case& c : cases) {
    if (!c.checked) continue;
    const double ours = c.programs[0].seconds;
    const double theirs = c.programs[1].seconds;
    const double ratio = ours > 0 ? theirs / ours : 0;
    char other[64];
    std::snprintf(other, sizeof other, "%s %.1f ms", c.programs[1].name.c_str(), theirs * 1e3);
    char goal[16] = "report";
    if (c.goal > 0) std::snprintf(goal, sizeof goal, ">= %.2f", c.goal);
    std::printf("%-28s %9.1f ms  %-34s %8.2f  %-8s %s\n", c.name.c_str(), ours * 1e3, other,
                ratio, goal,
                !c.failure.empty() ? "OUTPUTS DIFFER"
                : c.goal <= 0      ? ""
                : ratio >= c.goal  ? "met"
                                   : "missed");
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  if (!MakeResults()) {
    std::fprintf(stderr, "could not make the results in %s\n", BenchFolder().c_str());
    return 1;
  }
  std::vector<Case> cases = MakeCases();
  RegisterPrograms(cases, TimeProgram);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintRatios(cases);
  for (const Case& c : cases)
    if (!c.failure.empty()) return 1;
  return 0;
}
