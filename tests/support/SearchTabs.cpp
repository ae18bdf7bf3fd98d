#include "support/SearchTabs.h"

#include <chrono>
#include <thread>

#include "search/lexicon/LexiconFormat.h"
#include "search/request/SearchData.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"

SearchTabs::SearchTabs(const std::vector<std::vector<std::string>>& wordLists) {
  for (size_t i = 0; i < wordLists.size(); ++i) {
    const std::string path = settings.LexiconsFolderPath() + "/tab" + std::to_string(i) + ".lex";
    paths.push_back(WriteLexicon(path, InLexiconOrder(wordLists[i])));
  }
  list.ScanFiles(paths);
}

SearchTabs::~SearchTabs() = default;

std::unique_ptr<SearchInterface> SearchTabs::NewTab(const std::string& find,
                                                    const std::string& from) {
  auto tab = std::make_unique<SearchInterface>(list);
  tab->Request().lexicons->SelectAll();
  tab->fields.find = find;
  tab->fields.from = from;
  return tab;
}

void SearchTabs::TickUntilIdle(SearchInterface& tab) {
  while (tab.Searching()) {
    tab.Tick();
    if (tab.Searching()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

std::vector<std::string> SearchTabs::ResultsOf(SearchInterface& tab) {
  std::vector<std::string> found;
  for (int32_t i = 0; i < tab.GetResultCount(); ++i) found.push_back(tab.GetResult(i));
  return found;
}
