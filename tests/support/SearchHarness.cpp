#include "support/SearchHarness.h"

#include <algorithm>
#include <fstream>
#include <map>

#include "foundation/CharClass.h"
#include "search/results/Results.h"
#include "support/LexiconFiles.h"

std::vector<std::string> InLexiconOrder(std::vector<std::string> words) {
  std::erase_if(words, [](const std::string& w) { return ValidWordLength(w.c_str()) == 0; });
  std::stable_sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    return CompareWordStrings(a, b) < 0;
  });
  return words;
}

const std::vector<std::string>& DebianWords(const std::string& name) {
  static std::map<std::string, std::vector<std::string>> cache;
  auto& words = cache[name];
  if (words.empty()) {
    std::ifstream in("/usr/share/dict/" + name);
    for (std::string line; std::getline(in, line);) {
      if (line.empty() || !std::all_of(line.begin(), line.end(), [](char c) { return c >= 'a' && c <= 'z'; }))
        continue;
      words.push_back(line);
    }
  }
  return words;
}

SearchHarness::SearchHarness(const std::vector<std::vector<std::string>>& wordLists) {
  std::vector<std::string> paths;
  for (size_t i = 0; i < wordLists.size(); ++i) {
    const std::string path = settings.LexiconsFolderPath() + "/lexicon" + std::to_string(i) + ".lex";
    paths.push_back(WriteLexicon(path, InLexiconOrder(wordLists[i])));
  }
  list.ScanFiles(paths);
  request = std::make_unique<SearchData>(list);
  request->lexicons->SelectAll();
}

SearchHarness::~SearchHarness() = default;

bool SearchHarness::Set(const std::string& find, const std::string& from, const std::string& include,
                        const std::string& exclude, const std::string& keyWords) {
  fields = SearchFields{find, from, include, exclude, keyWords};
  return ApplyFields(*request, fields) && request->Validate();
}

std::vector<std::string> SearchHarness::Run(uint8_t mode) {
  Results results;
  if (!RunSearch(*request, fields, results, mode)) return {};
  std::vector<std::string> found;
  for (uint32_t i = 0; i < results.Count(); ++i) found.push_back(results.GetResult(i));
  return found;
}

std::vector<std::string> SearchHarness::Single() { return Run(kWordSearch); }

std::vector<std::string> SearchHarness::Phrases() { return Run(kWordSearch); }

std::vector<std::string> SearchHarness::Grid(SelectedWords& words) {
  // The search works on the request's list; the caller's words come back as it leaves them.
  request->gridSlots = std::make_unique<SelectedWords>(std::move(words));
  std::vector<std::string> found = Run(kGridSearch);
  words = std::move(*request->gridSlots);
  request->gridSlots.reset();
  return found;
}
