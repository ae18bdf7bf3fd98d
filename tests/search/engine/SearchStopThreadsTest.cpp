// Stops of running searches, also run under ThreadSanitizer.

#include <gtest/gtest.h>

#include <thread>

#include "platform/WorkerThread.h"
#include "search/results/Results.h"
#include "search/engine/SearchControl.h"
#include "search/engine/SubsetThread.h"
#include "support/SearchHarness.h"

namespace {

using Words = std::vector<std::string>;

enum class Kind { kSingle, kPhrases, kGrid };

class SearchStopThreads : public ::testing::TestWithParam<Kind> {};

// Runs the search on a worker, stops it once it has found something, and returns the count of
// results kept and whether the search ended.
TEST_P(SearchStopThreads, StopEndsTheSearchKeepingWhatWasFound) {
  SearchHarness search({DebianWords()});
  SelectedWords grid;
  switch (GetParam()) {
    case Kind::kSingle:
      ASSERT_TRUE(search.Set("*"));
      break;
    case Kind::kPhrases:
      search.Request().useAllFrom = 0;
      search.Request().suppressPermutations = 0;
      ASSERT_TRUE(search.Set("* * *", "abcdefghijklmnopqrstuvwxyz"));
      ASSERT_TRUE(RunSubsetAnalysis(search.Request()));
      break;
    case Kind::kGrid:
      ASSERT_TRUE(search.Set("*"));
      grid.Add(1, 0, 0, SelectedWord::kAcross, "%%%%%");
      grid.Add(1, 0, 0, SelectedWord::kDown, "%%%%%");
      grid.Add(2, 4, 0, SelectedWord::kDown, "%%%%%");
      break;
  }
  Results results;
  results.Clear();
  auto lexicons =
      std::make_shared<const SearchLexicons>(SearchLexicons::Of(*search.Request().lexicons));
  auto stop = std::make_shared<SearchGate>();
  SearchControl engine(search.Request(), 0, 0, stop, lexicons, SearchControl::KeyWordTest::kNever);
  WorkerThread thread([&] {
    std::vector<std::string> chosen;
    if (GetParam() == Kind::kSingle) engine.SearchSingle(results);
    if (GetParam() == Kind::kPhrases) engine.SearchPhrases(results);
    if (GetParam() == Kind::kGrid) engine.SearchGridWords(results, grid, 0, chosen);
  });
  thread.Resume();
  while (results.Count() < 10 && !thread.Terminated()) std::this_thread::yield();
  engine.Stop();
  thread.WaitFor();
  const uint32_t kept = results.Count();
  EXPECT_GE(kept, 10u);
  results.Finish(ResultsHeader{});
  EXPECT_EQ(results.Count(), kept);
  for (const SelectedWord& word : grid.words) EXPECT_EQ(word.pattern, "?????");
}

INSTANTIATE_TEST_SUITE_P(Searches, SearchStopThreads,
                         ::testing::Values(Kind::kSingle, Kind::kPhrases, Kind::kGrid));

TEST(SearchStopBeforeStartThreads, AStopSetBeforeTheEngineExistsIsKept) {
  SearchHarness search({Words{"cat", "dog"}});
  ASSERT_TRUE(search.Set("*"));
  Results results;
  results.Clear();
  auto stop = std::make_shared<SearchGate>();
  stop->Stop();
  SearchControl engine(search.Request(), 0, 0, stop,
                       std::make_shared<const SearchLexicons>(
                           SearchLexicons::Of(*search.Request().lexicons)));
  engine.SearchSingle(results);
  EXPECT_EQ(results.Count(), 0u);
}

}  // namespace
