// lexicon-tool search as a whole process against the programs people use for the same jobs:
// grep -E for single patterns, an -w for the words some letters make, an and wordplay for
// multi-word anagrams. Every program reads the same list, the lower-case a-z words of
// american-english with single letters other than "a" dropped; lexicon-tool reads a lexicon
// built from it. Each case first checks that the programs' outputs agree, then times each
// program; a table of the ratios against the goals closes the run, and the exit status is 1
// when an output differs.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "BenchOutputs.h"
#include "BenchProcess.h"
#include "BenchTiming.h"

namespace {

const std::string kLexiconTool = std::string(SORVANE_BIN_DIR) + "/lexicon-tool";
const char* const kGrep = "/usr/bin/grep";
const char* const kAn = "/usr/games/an";
const char* const kWordplay = "/usr/games/wordplay";

enum class Goal { kFaster, kNoSlower, kFourTimesFaster };
enum class Check { kSameWords, kSamePhrases };

struct Program {
  std::string name;
  std::vector<std::string> argv;
  double seconds = 0;  // per run, the fastest timing
};

struct Case {
  Case(std::string caseName, Goal caseGoal, Check caseCheck, std::vector<Program> contenders)
      : name(std::move(caseName)), goal(caseGoal), check(caseCheck), programs(std::move(contenders)) {}

  std::string name;
  Goal goal;
  Check check;
  std::vector<Program> programs;  // lexicon-tool first
  bool checked = false;
  std::string failure;  // what differs between the outputs
  std::string note;     // what the check counted
};

const std::string& ListPath() {
  static const std::string path = BenchFolder() + "words.txt";
  return path;
}

const std::string& LexiconPath() {
  static const std::string path = BenchFolder() + "words.lex";
  return path;
}

const std::vector<std::string>& Environment() {
  static const std::vector<std::string> env = BenchEnvironment(BenchFolder());
  return env;
}

// The comparison list, then the lexicon built from it by lexicon-tool.
bool MakeWordListAndLexicon() {
  const std::vector<std::string> words = LowerCaseWords("/usr/share/dict/american-english");
  std::ofstream out(ListPath());
  for (const std::string& word : words)
    if (word.size() > 1 || word == "a") out << word << '\n';
  out.close();
  return !words.empty() && out && BuildLexicon(ListPath(), LexiconPath());
}

std::string OutputPath(size_t program) { return BenchFolder() + std::to_string(program) + ".out"; }
std::string ErrorPath() { return BenchFolder() + "stderr.txt"; }

bool Run(const Case& c, size_t program) {
  return RunProcess(c.programs[program].argv, Environment(), OutputPath(program), ErrorPath()) == 0;
}

// Runs every program of the case once and compares what they printed.
void CheckOutputs(Case& c) {
  c.checked = true;
  std::vector<std::vector<std::string>> outputs;
  for (size_t i = 0; i < c.programs.size(); ++i) {
    if (!Run(c, i)) {
      const std::vector<std::string> errors = ReadLines(ErrorPath());
      c.failure = c.programs[i].name + " failed: " + (errors.empty() ? "" : errors.front());
      return;
    }
    outputs.push_back(ReadLines(OutputPath(i)));
  }
  if (c.check == Check::kSameWords) {
    c.failure = CompareWordLists(outputs[0], outputs[1], c.programs[1].name);
    c.note = std::to_string(outputs[0].size()) + " words";
    return;
  }
  std::vector<std::string> names;
  for (size_t i = 1; i < c.programs.size(); ++i) names.push_back(c.programs[i].name);
  const PhraseComparison result = ComparePhrases(
      outputs[0], std::vector<std::vector<std::string>>(outputs.begin() + 1, outputs.end()), names);
  c.failure = result.differ;
  c.note = std::to_string(result.phrases) + " phrases, " + std::to_string(outputs[0].size()) +
           " lines from lexicon-tool, " + std::to_string(result.unreachable) +
           " with no vowel left for the last word";
}

void TimeProgram(benchmark::State& state, Case* c, size_t program) {
  if (!c->checked) CheckOutputs(*c);
  if (!c->failure.empty()) return state.SkipWithError(c->failure.c_str());
  if (!TimeRuns(state, [&] { return Run(*c, program); }, c->programs[program].seconds)) {
    state.SkipWithError("the program failed");
  }
}

Program Ours(std::vector<std::string> options) {
  std::vector<std::string> argv = {kLexiconTool, "search", "--sort", "found"};
  argv.insert(argv.end(), options.begin(), options.end());
  argv.push_back(LexiconPath());
  return {"lexicon-tool", argv};
}

std::vector<Case> MakeCases() {
  std::vector<Case> cases;
  const auto pattern = [&](const std::string& find, const std::string& expression) {
    const Goal goal = find.find('*') == std::string::npos ? Goal::kFaster : Goal::kNoSlower;
    cases.push_back(Case("pattern " + find, goal, Check::kSameWords,
                     {Ours({"--find", find, "--no-use-all"}),
                      {"grep", {kGrep, "-E", expression, ListPath()}}}));
  };
  pattern("?a??e?", "^.a..e.$");
  pattern("[bcd]a??e?", "^[bcd]a..e.$");
  pattern("[p-t]?[a-f]??", "^[p-t].[a-f]..$");
  pattern("c?t*", "^c.t");
  pattern("*ing", "ing$");
  pattern("*[aeiou]?e", "[aeiou].e$");
  pattern("c*t*e", "^c.*t.*e$");
  for (const std::string letters : {"strange", "electionresults"}) {
    cases.push_back(Case("anagram " + letters, Goal::kFourTimesFaster, Check::kSameWords,
                     {Ours({"--find", "*", "--from", letters, "--no-use-all"}),
                      {"an -w", {kAn, "-w", "-d", ListPath(), letters}}}));
  }
  for (const std::string letters :
       {"themorsecode", "elevenplustwo", "clinteastwood", "electionresults"}) {
    cases.push_back(Case("phrases " + letters, Goal::kNoSlower, Check::kSamePhrases,
                     {Ours({"--find", "!", "--from", letters, "--use-all", "--suppress"}),
                      {"an", {kAn, "-d", ListPath(), letters}},
                      {"wordplay", {kWordplay, letters, "-sav", "-f", ListPath()}}}));
  }
  return cases;
}

const char* GoalText(Goal goal) {
  switch (goal) {
    case Goal::kFaster: return "faster";
    case Goal::kNoSlower: return "no slower";
    case Goal::kFourTimesFaster: return "4x faster";
  }
  return "";
}

// The fastest of the other programs against ours: above 1 means ours is faster.
void PrintRatios(const std::vector<Case>& cases) {
  std::printf("\n%-26s %12s  %-34s %8s  %-10s %s\n", "case", "lexicon-tool", "others", "ratio",
              "goal", "");
  for (const Case& c : cases) {
    if (!c.checked) continue;
    const double ours = c.programs[0].seconds;
    double fastest = 0;
    std::string others;
    for (size_t i = 1; i < c.programs.size(); ++i) {
      const double t = c.programs[i].seconds;
      fastest = i == 1 ? t : std::min(fastest, t);
      char text[64];
      std::snprintf(text, sizeof text, "%s %.2f ms ", c.programs[i].name.c_str(), t * 1e3);
      others += text;
    }
    const double ratio = ours > 0 ? fastest / ours : 0;
    const bool met = c.failure.empty() && ours > 0 &&
                     (c.goal == Goal::kFaster            ? ratio > 1
                      : c.goal == Goal::kFourTimesFaster ? ratio >= 4
                                                         : ratio >= 1);
    std::printf("%-26s %9.2f ms  %-34s %8.2f  %-10s %s\n", c.name.c_str(), ours * 1e3,
                others.c_str(), ratio, GoalText(c.goal),
                !c.failure.empty() ? "OUTPUTS DIFFER" : met ? "met" : "missed");
    if (!c.failure.empty()) std::printf("    %s\n", c.failure.c_str());
    else if (!c.note.empty()) std::printf("    %s\n", c.note.c_str());
  }
}

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  for (const char* program : {kGrep, kAn, kWordplay}) {
    if (!std::filesystem::exists(program)) {
      std::fprintf(stderr, "%s is not installed (scripts/setup installs it)\n", program);
      return 1;
    }
  }
  if (!MakeWordListAndLexicon()) {
    std::fprintf(stderr, "could not make the word list and its lexicon in %s\n",
                 BenchFolder().c_str());
    return 1;
  }
  std::vector<Case> cases = MakeCases();
  RegisterPrograms(cases, TimeProgram);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  PrintRatios(cases);
  const bool differ = std::any_of(cases.begin(), cases.end(),
                                  [](const Case& c) { return !c.failure.empty(); });
  return differ ? 1 : 0;
}
