// Compiled lexicons: building one from a Debian word list (the whole lexicon-tool run: read,
// clean, sort, write), writing alone, loading the image, and the size against the word list's.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <vector>

#include "BenchLexicons.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/LexiconWordStream.h"
#include "search/lexicon/VirtualLex.h"

namespace {

namespace fs = std::filesystem;

const char* const kWordLists[] = {"/usr/share/dict/american-english",
                                  "/usr/share/dict/american-english-large"};

std::string LexiconPathFor(int list) { return BenchFolder() + std::to_string(list) + ".lex"; }

bool RunBuild(int list) { return BuildLexicon(kWordLists[list], LexiconPathFor(list)); }

std::vector<std::string> StoredWords(int list) {
  VirtualLex lexicon(LexiconPathFor(list));
  lexicon.Load();
  const auto image = lexicon.Image();
  LexiconWordStream stream(image->Data(), image->Size());
  stream.Seek(1, 0);
  std::vector<std::string> words;
  for (std::string word; stream.Next(word);) words.push_back(word);
  return words;
}

void BM_BuildFromWordList(benchmark::State& state) {
  const int list = static_cast<int>(state.range(0));
  if (!fs::exists(kWordLists[list])) return state.SkipWithError("word list not installed");
  for (auto _ : state)
    if (!RunBuild(list)) return state.SkipWithError("lexicon-tool build failed");
  const double lexiconBytes = static_cast<double>(fs::file_size(LexiconPathFor(list)));
  const double listBytes = static_cast<double>(fs::file_size(kWordLists[list]));
  state.counters["listBytes"] = listBytes;
  state.counters["lexiconBytes"] = lexiconBytes;
  state.counters["lexiconPerList"] = lexiconBytes / listBytes;
  state.SetLabel(kWordLists[list]);
}
BENCHMARK(BM_BuildFromWordList)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The writer alone, fed the sorted words in memory.
void BM_WriteSortedWords(benchmark::State& state) {
  const int list = static_cast<int>(state.range(0));
  if (!fs::exists(LexiconPathFor(list)) && !RunBuild(list))
    return state.SkipWithError("lexicon-tool build failed");
  const std::vector<std::string> words = StoredWords(list);
  const std::string out = BenchFolder() + "written.lex";
  for (auto _ : state) {
    CompressDictionary writer(out);
    for (const std::string& word : words) writer.AddWord(word);
    writer.Close();
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(words.size()));
  state.SetLabel(kWordLists[list]);
}
BENCHMARK(BM_WriteSortedWords)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_LoadImage(benchmark::State& state) {
  const int list = static_cast<int>(state.range(0));
  if (!fs::exists(LexiconPathFor(list)) && !RunBuild(list))
    return state.SkipWithError("lexicon-tool build failed");
  VirtualLex lexicon(LexiconPathFor(list));
  for (auto _ : state) {
    lexicon.Use(true);
    benchmark::DoNotOptimize(lexicon.Image()->Data());
    lexicon.Use(false);
  }
  state.SetBytesProcessed(state.iterations() *
                          static_cast<int64_t>(fs::file_size(LexiconPathFor(list))));
  state.SetLabel(kWordLists[list]);
}
BENCHMARK(BM_LoadImage)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
