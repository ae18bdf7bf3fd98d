// Searches over the American English lexicon as a search tab runs them (a cursor over the loaded
// image): words examined and words returned per second. Beside each, the same question put to
// grep -E over the word list, timed as a whole process, so that the two can be compared.

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "BenchLexicons.h"
#include "search/lexicon/Dictionary.h"

namespace {

const char* const kWordList = "/usr/share/dict/american-english";

struct SearchCase {
  const char* name;
  const char* pattern;
  const char* from;  // FROM letters, or null
  // The nearest extended regular expression. An anagram cannot be stated as one: its
  // expression asks only for the letters, not how often each is used, so grep does less.
  const char* regex;
};

const SearchCase kCases[] = {
    {"every_word", "*", nullptr, "^"},
    {"fixed_length", "?a??e?", nullptr, "^.a..e.$"},
    {"set_and_range", "[bcd]*[p-t]", nullptr, "^[bcd].*[p-t]$"},
    {"set_fixed_length", "[bcd]a??e?", nullptr, "^[bcd]a..e.$"},
    {"ranges_fixed_length", "[p-t]?[a-f]??", nullptr, "^[p-t].[a-f]..$"},
    {"prefix_then_star", "c?t*", nullptr, "^c.t.*$"},
    {"leading_star", "*ing", nullptr, "^.*ing$"},
    {"stars_between", "c*t*e", nullptr, "^c.*t.*e$"},
    {"anagram_of_8", "*", "triangle", "^[triangle]{1,8}$"},
};

// The lexicon, loaded for the whole run; null when it could not be built.
VirtualLex* EnglishLexicon() {
  static VirtualLex* lexicon = [] {
    const std::string path = BenchFolder() + "english.lex";
    if (!BuildLexicon(kWordList, path)) return static_cast<VirtualLex*>(nullptr);
    auto* loaded = new VirtualLex(path);
    loaded->Use(true);
    return loaded;
  }();
  return lexicon;
}

void BM_Cursor(benchmark::State& state, const SearchCase& search) {
  VirtualLex* lexicon = EnglishLexicon();
  if (!lexicon) return state.SkipWithError("lexicon-tool build failed");
  SrcLetters from;
  if (search.from) from.Set(search.from);
  uint64_t examined = 0;
  uint64_t returned = 0;
  for (auto _ : state) {
    Dictionary cursor(*lexicon);
    const char* word = nullptr;
    uint8_t code = cursor.FindNext(&word, search.pattern, search.from ? &from : nullptr, 0, 0);
    for (; code == Dictionary::kFound; code = cursor.FindNext(&word, nullptr, nullptr, 0, 0)) {
      benchmark::DoNotOptimize(word);
      ++returned;
    }
    examined += cursor.WordsRead();
  }
  const double iterations = static_cast<double>(state.iterations());
  state.counters["examined/s"] = benchmark::Counter(static_cast<double>(examined),
                                                    benchmark::Counter::kIsRate);
  state.counters["returned/s"] = benchmark::Counter(static_cast<double>(returned),
                                                    benchmark::Counter::kIsRate);
  state.counters["returned"] = static_cast<double>(returned) / iterations;
}

// grep in the C locale, case-blind as a search is by default, counting the lines it matches.
std::string GrepCommand(const SearchCase& search) {
  return std::string("LC_ALL=C grep -E -i -c '") + search.regex + "' " + kWordList;
}

void BM_Grep(benchmark::State& state, const SearchCase& search) {
  const std::string command = GrepCommand(search);
  FILE* counting = ::popen(command.c_str(), "r");
  double returned = 0;
  if (!counting || std::fscanf(counting, "%lf", &returned) != 1) returned = -1;
  if (counting) ::pclose(counting);
  if (returned < 0) return state.SkipWithError("grep did not run");

  const std::string quiet = command + " >/dev/null";
  for (auto _ : state) {
    if (std::system(quiet.c_str()) == -1) return state.SkipWithError("grep did not run");
  }
  state.counters["returned"] = returned;
}

}  // namespace

int main(int argc, char** argv) {
  for (const SearchCase& search : kCases) {
    benchmark::RegisterBenchmark((std::string("Cursor/") + search.name).c_str(), BM_Cursor,
                                 search)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark((std::string("GrepProcess/") + search.name).c_str(), BM_Grep,
                                 search)
        ->Unit(benchmark::kMillisecond)
        ->UseRealTime();
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
