#pragma once
// Search tabs over small lexicons made in the test, under a scripted host, with the tab's timer
// ticked by the test as the window's timer would.

#include <memory>
#include <string>
#include <vector>

#include "platform/ScriptedHost.h"
#include "search/engine/SearchInterface.h"
#include "search/selection/VirtualLexList.h"
#include "support/TestSettings.h"

class SearchTabs {
 public:
  // One lexicon per word list, each selected by default.
  explicit SearchTabs(const std::vector<std::vector<std::string>>& wordLists);
  ~SearchTabs();

  std::unique_ptr<SearchInterface> NewTab(const std::string& find, const std::string& from = "");
  // Ticks the tab's timer until it has finished its search.
  static void TickUntilIdle(SearchInterface& tab);
  static std::vector<std::string> ResultsOf(SearchInterface& tab);

  const std::vector<std::string>& Paths() const { return paths; }
  VirtualLexList& List() { return list; }
  const TempFolder& Root() const { return settings.Root(); }

  ScriptedHost host;

 private:
  TestSettings settings;
  ScopedHost scope{host};
  std::vector<std::string> paths;
  VirtualLexList list;
};
