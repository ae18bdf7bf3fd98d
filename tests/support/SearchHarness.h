#pragma once
// Runs searches end to end on small lexicons made in the test: each word list becomes one
// selected lexicon, the fields go through the request as a search tab hands them over, and the
// results come back in the store's order (as found, by default).

#include <memory>
#include <string>
#include <vector>

#include "platform/ScriptedHost.h"
#include "search/engine/SearchRun.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/selection/VirtualLexList.h"
#include "support/TestSettings.h"

// Valid words of the list in lexicon order, as the lexicon stores them.
std::vector<std::string> InLexiconOrder(std::vector<std::string> words);
// The lower-case words of a Debian word list, read once.
const std::vector<std::string>& DebianWords(const std::string& name = "american-english");

class SearchHarness {
 public:
  explicit SearchHarness(const std::vector<std::vector<std::string>>& wordLists);
  ~SearchHarness();

  SearchData& Request() { return *request; }
  // The fields in the order a search tab applies them, then validation. Each search below runs
  // the one way every search runs, from these fields.
  bool Set(const std::string& find, const std::string& from = "", const std::string& include = "",
           const std::string& exclude = "", const std::string& keyWords = "");
  std::vector<std::string> Single();
  // Builds the subset lexicon first, as every multi-word search does.
  std::vector<std::string> Phrases();
  std::vector<std::string> Grid(SelectedWords& words);

  ScriptedHost host;

 private:
  std::vector<std::string> Run(uint8_t mode);

  TestSettings settings;
  ScopedHost scope{host};
  VirtualLexList list;
  std::unique_ptr<SearchData> request;
  SearchFields fields;
};
