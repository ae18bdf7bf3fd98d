// Searches of several tabs at once in one program share its Temp folder: two multi-word searches
// run side by side while a third is started and stopped again and again. Each finds what it
// finds alone, and nothing is left in the Temp folder. Also run under ThreadSanitizer.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "platform/ScriptedHost.h"
#include "search/engine/SearchRun.h"
#include "search/request/SearchData.h"
#include "search/results/Results.h"
#include "search/selection/VirtualLexList.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TestSettings.h"

namespace {

using Words = std::vector<std::string>;

constexpr int kStoppedRuns = 12;
const SearchFields kFields{"* * *", "conversations", "", "", ""};

Words Found(Results& results) {
  Words found;
  for (uint32_t i = 0; i < results.Count(); ++i) found.push_back(results.GetResult(i));
  return found;
}

// One search tab: its own request (with its own subset lexicon) over the program's one list.
struct Tab {
  explicit Tab(VirtualLexList& list) : request(list) { request.lexicons->SelectAll(); }

  Words Search(std::shared_ptr<SearchGate> gate = nullptr) {
    request.fromChanged = 1;  // every run analyses the lexicons afresh, as a changed FROM does
    Results results;
    if (!RunSearch(request, kFields, results, kWordSearch, std::move(gate))) return {"refused"};
    return Found(results);
  }

  SearchData request;
};

TEST(SharedTempFolderThreads, SearchesSideBySideFindWhatASingleRunFinds) {
  ScriptedHost host;
  ScopedHost scope(host);
  TestSettings settings;
  // Two lexicons, so that each analysis merges as well as moves.
  Words even;
  Words odd;
  const Words& words = DebianWords();
  for (size_t i = 0; i < words.size(); ++i) (i % 2 ? odd : even).push_back(words[i]);
  const std::string folder = settings.LexiconsFolderPath() + "/";
  VirtualLexList list;
  list.ScanFiles({WriteLexicon(folder + "even.lex", InLexiconOrder(even)),
                  WriteLexicon(folder + "odd.lex", InLexiconOrder(odd))});
  const std::string temp = settings.TempFolderPath();
  Words expected;
  {
    Tab single(list);
    expected = single.Search();
  }
  ASSERT_GT(expected.size(), 1000u);
  const std::set<std::string> allowed(expected.begin(), expected.end());

  {
    Tab first(list);
    Tab second(list);
    Tab stopped(list);
    Words firstFound;
    Words secondFound;
    std::thread firstRun([&] { firstFound = first.Search(); });
    std::thread secondRun([&] { secondFound = second.Search(); });
    for (int run = 0; run < kStoppedRuns; ++run) {
      auto gate = std::make_shared<SearchGate>();
      Words found;
      std::thread stoppedRun([&] { found = stopped.Search(gate); });
      // Stopped at once, a little later, or later still: before, during and after the analysis.
      std::this_thread::sleep_for(std::chrono::milliseconds(run % 4 * 15));
      gate->Stop();
      stoppedRun.join();
      SCOPED_TRACE("stopped run " + std::to_string(run));
      for (const std::string& word : found) ASSERT_TRUE(allowed.count(word)) << word;
    }
    firstRun.join();
    secondRun.join();
    EXPECT_TRUE(firstFound == expected);
    EXPECT_TRUE(secondFound == expected);
  }
  EXPECT_TRUE(std::filesystem::is_empty(temp));
  EXPECT_TRUE(host.Boxes().empty());
}

}  // namespace
