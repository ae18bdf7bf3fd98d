// The search tab controller's states, driven as the window drives it, with the test ticking the
// tab's timer. States that need a search still running use a search that runs for seconds.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <thread>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/MessageBoxFlags.h"
#include "search/engine/SearchInterface.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "search/results/Results.h"
#include "support/ScopedSelectLexicons.h"
#include "support/SearchHarness.h"
#include "support/SearchTabs.h"

namespace {

using Words = std::vector<std::string>;

const Words kWords{"cat", "cot", "cut", "dog", "act", "tac"};

// The state a tab is in, as the window reads it.
struct TabState {
  bool searching;
  bool threadRunning;
  bool paused;
  bool timerOn;
  int32_t running;  // RunningSearchCount
  bool operator==(const TabState&) const = default;
};

TabState StateOf(SearchInterface& tab) {
  return {tab.Searching(), tab.ThreadRunning(), tab.Paused(), tab.TimerOn(),
          RunningSearchCount.load()};
}

constexpr TabState kIdle{false, false, false, false, 0};
constexpr TabState kRunning{true, true, false, true, 1};
constexpr TabState kPaused{true, true, true, true, 1};

void WaitForThreadEnd(SearchInterface& tab) {
  while (tab.ThreadRunning()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

class SearchInterfaceTest : public ::testing::Test {
 protected:
  SearchTabs tabs{{kWords}};
};

TEST_F(SearchInterfaceTest, AStartedSearchEndsAndTheTimerFinishesIt) {
  auto tab = tabs.NewTab("c?t");
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  EXPECT_TRUE(tab->Searching());
  EXPECT_TRUE(tab->TimerOn());
  EXPECT_EQ(RunningSearchCount.load(), 1);
  WaitForThreadEnd(*tab);
  // Ended, not finished: the timer's next tick finishes it.
  EXPECT_EQ(StateOf(*tab), (TabState{true, false, false, true, 1}));
  tab->Tick();
  EXPECT_EQ(StateOf(*tab), kIdle);
  EXPECT_EQ(SearchTabs::ResultsOf(*tab), (Words{"cat", "cot", "cut"}));
  EXPECT_STREQ(tab->GetResults().Header().find, "c?t");
  EXPECT_EQ(tab->GetResults().Header().count, 3u);
}

// The hook is the window's cue to finish at once: by the time it runs, the thread has ended and
// everything it found is in the store.
TEST_F(SearchInterfaceTest, TheThreadEndHookRunsOnceTheThreadHasEnded) {
  auto tab = tabs.NewTab("c?t");
  std::atomic<int> calls{0};
  std::atomic<bool> endedFirst{false};
  tab->SetThreadEndHook([&] {
    endedFirst = !tab->ThreadRunning() && tab->GetResultCount() == 3;
    ++calls;
  });
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  while (calls.load() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  tab->Tick();
  EXPECT_EQ(StateOf(*tab), kIdle);
  EXPECT_EQ(calls.load(), 1);
  EXPECT_TRUE(endedFirst.load());
}

// A multi-word search over a real word list, which runs for seconds unless stopped.
std::unique_ptr<SearchInterface> LongSearch(SearchTabs& tabs) {
  auto tab = tabs.NewTab("* * *", "abcdefghijklmnopqrstuvwxyz");
  tab->options = SearchOptions{0, 0, 0, 0};
  return tab;
}

// Waits until the search has found more than count results.
void WaitForResultsPast(SearchInterface& tab, int32_t count) {
  while (tab.GetResultCount() <= count) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(SearchInterfaceLongTest, PausingIsAStateNotACount) {
  SearchTabs tabs{{DebianWords()}};
  auto tab = LongSearch(tabs);
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  WaitForResultsPast(*tab, 0);
  tab->Pause(true);
  tab->Pause(true);
  EXPECT_EQ(StateOf(*tab), kPaused);
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  const int32_t held = tab->GetResultCount();
  tab->Pause(false);  // once is enough
  EXPECT_EQ(StateOf(*tab), kRunning);
  WaitForResultsPast(*tab, held);
  tab->StopSearch(false);
  SearchTabs::TickUntilIdle(*tab);
  EXPECT_EQ(StateOf(*tab), kIdle);
  EXPECT_GT(tab->GetResultCount(), held);
}

// The Search command doubles as Stop and asks first; declining keeps the search as it was.
struct StopCase {
  const char* name;
  bool pausedFirst;
  bool ask;
  int answer;
  bool stopped;
};

class SearchInterfaceStopTest : public ::testing::TestWithParam<StopCase> {};

TEST_P(SearchInterfaceStopTest, EndsInTheStateTheAnswerAsks) {
  const StopCase& c = GetParam();
  SearchTabs tabs{{DebianWords()}};
  auto tab = LongSearch(tabs);
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  if (c.pausedFirst) tab->Pause(true);
  tabs.host.QueueAnswer(c.answer);
  const bool result = c.ask ? tab->StartSearch(kWordSearch) : tab->StopSearch(false);
  EXPECT_EQ(result, c.stopped);
  if (c.ask) {
    const auto boxes = tabs.host.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "Terminate Current Search.");
    EXPECT_EQ(boxes[0].caption, "Confirm");
    EXPECT_EQ(boxes[0].flags, 0x2031u);
  }
  if (!c.stopped) {
    // Declined: the search goes on as the user had it, paused or running.
    EXPECT_EQ(StateOf(*tab), c.pausedFirst ? kPaused : kRunning);
    tab->StopSearch(false);
  }
  // A stop ends a pause: the search always reaches its end.
  SearchTabs::TickUntilIdle(*tab);
  EXPECT_EQ(StateOf(*tab), kIdle);
}

INSTANTIATE_TEST_SUITE_P(
    Answers, SearchInterfaceStopTest,
    ::testing::Values(StopCase{"AskedOk", false, true, IDOK, true},
                      StopCase{"AskedCancel", false, true, IDCANCEL, false},
                      StopCase{"PausedThenAskedOk", true, true, IDOK, true},
                      StopCase{"PausedThenAskedCancel", true, true, IDCANCEL, false},
                      StopCase{"Unasked", false, false, IDOK, true},
                      StopCase{"PausedThenUnasked", true, false, IDOK, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SearchInterfaceTest, AStopBeforeTheEngineIsKept) {
  // Set on the search's gate before its thread is even made.
  Results results;
  results.Clear();
  auto tab = tabs.NewTab("*");
  ASSERT_TRUE(ReadyToSearch(tab->Request(), tab->fields, kWordSearch));
  auto gate = std::make_shared<SearchGate>();
  gate->Stop();
  std::atomic<uint8_t> running{1};
  SearchThread(tab->Request(), kWordSearch, running, results, gate).WaitFor();
  EXPECT_EQ(running.load(), 0);
  EXPECT_EQ(results.Count(), 0u);
}

TEST_F(SearchInterfaceTest, DestroyingATabMidSearchStopsItAndLowersTheCount) {
  // Ended but not yet finished by its timer.
  auto tab = tabs.NewTab("*");
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  WaitForThreadEnd(*tab);
  tab.reset();
  EXPECT_EQ(RunningSearchCount.load(), 0);
  // Running, and paused.
  SearchTabs longTabs{{DebianWords()}};
  tab = LongSearch(longTabs);
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  tab->Pause(true);
  EXPECT_EQ(RunningSearchCount.load(), 1);
  tab.reset();
  EXPECT_EQ(RunningSearchCount.load(), 0);
}

// For a window that closes: a sorted search's gathered results are dropped, not sorted.
TEST_F(SearchInterfaceTest, ATerminatedSortedSearchFinishesWithoutSorting) {
  SearchTabs longTabs{{DebianWords()}};
  Settings::Instance().SetInt(SettingId::SortType, kOrderByWord);
  auto tab = LongSearch(longTabs);
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  while (tab->GetResultCount() == 0) std::this_thread::sleep_for(std::chrono::milliseconds(1));
  tab->TerminateSearch();
  SearchTabs::TickUntilIdle(*tab);
  EXPECT_TRUE(longTabs.host.Jobs().empty());
  EXPECT_EQ(tab->GetResultCount(), 0);
}

// The dictionary stays open once started, whatever folder is named later, so the failing search
// runs in a process of its own where no earlier test can have started it.
TEST_F(SearchInterfaceTest, AnEngineFailureIsShownAndTheTabReturnsToIdle) {
  const auto failingSearch = [this] {
    Settings::Instance().SetString(SettingId::FolderWordNet, "/nonexistent-wordnet");
    auto tab = tabs.NewTab("*");
    tab->fields.keyWords = "canine";
    if (!tab->StartSearch(kWordSearch)) return 1;
    SearchTabs::TickUntilIdle(*tab);
    if (StateOf(*tab) != kIdle || tab->GetResultCount() != 0) return 2;
    const auto boxes = tabs.host.Boxes();
    return boxes.size() == 1 && boxes[0].caption == "Error" ? 0 : 3;
  };
  // The child leaves by exit, past the fixture's destructors: it removes its folder itself.
  const auto removeFolderAndExit = [this](int code) {
    std::filesystem::remove_all(tabs.Root().Path());
    std::exit(code);
  };
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(removeFolderAndExit(failingSearch()), testing::ExitedWithCode(0), "");
}

TEST_F(SearchInterfaceTest, ATempFolderThatTakesNoFilesStartsNothing) {
  Settings::Instance().SetString(SettingId::FolderTemp, "/nonexistent-temp");
  auto tab = tabs.NewTab("*");
  EXPECT_FALSE(tab->StartSearch(kWordSearch));
  EXPECT_EQ(StateOf(*tab), kIdle);
  const auto boxes = tabs.host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Error");
}

TEST_F(SearchInterfaceTest, NoLexiconSelectedWarnsAndOpensTheSelection) {
  auto tab = tabs.NewTab("*");
  tab->Request().lexicons->DeselectAll();
  ScopedSelectLexicons dialog([](VirtualLexListView& view) { view.SelectAll(); });
  EXPECT_FALSE(tab->StartSearch(kWordSearch));
  EXPECT_EQ(StateOf(*tab), kIdle);
  const auto boxes = tabs.host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "You do not currently have any Lexicons selected.\nPlease select at least one Lexicon "
            "then try again.");
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(dialog.Shown(), 1);
  EXPECT_EQ(tab->Request().fromChanged, 1);
  // What the dialog chose is searched next time.
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  SearchTabs::TickUntilIdle(*tab);
  EXPECT_EQ(tab->GetResultCount(), 6);
}

TEST_F(SearchInterfaceTest, TwoTabsCountTwoUntilBothAreFinished) {
  auto first = tabs.NewTab("c?t");
  auto second = tabs.NewTab("d?g");
  ASSERT_TRUE(first->StartSearch(kWordSearch));
  ASSERT_TRUE(second->StartSearch(kWordSearch));
  EXPECT_EQ(RunningSearchCount.load(), 2);
  WaitForThreadEnd(*first);
  WaitForThreadEnd(*second);
  EXPECT_EQ(RunningSearchCount.load(), 2);  // ended, but their timers have not ticked
  first->Tick();
  EXPECT_EQ(RunningSearchCount.load(), 1);
  second->Tick();
  EXPECT_EQ(RunningSearchCount.load(), 0);
  EXPECT_EQ(SearchTabs::ResultsOf(*second), Words{"dog"});
}

TEST_F(SearchInterfaceTest, AGridSearchNeedsSelectedWordsAndStoresOneLineAWord) {
  auto tab = tabs.NewTab("*");
  EXPECT_FALSE(tab->StartSearch(kGridSearch));  // no list
  tab->Request().gridSlots = std::make_unique<SelectedWords>();
  EXPECT_FALSE(tab->StartSearch(kGridSearch));  // an empty list
  EXPECT_EQ(StateOf(*tab), kIdle);

  SelectedWords& words = *tab->Request().gridSlots;
  words.Add(1, 0, 0, SelectedWord::kAcross, "c%%");
  words.Add(1, 0, 0, SelectedWord::kDown, "c%%");
  words.Add(2, 2, 0, SelectedWord::kDown, "%%%");
  ASSERT_TRUE(tab->StartSearch(kGridSearch));
  EXPECT_EQ(tab->GetResults().WordsPerResult(), 3);  // set before the thread started
  SearchTabs::TickUntilIdle(*tab);
  const Words found = SearchTabs::ResultsOf(*tab);
  ASSERT_FALSE(found.empty());
  EXPECT_EQ(found.size() % 3, 0u);
  // A word search afterwards leaves the grid words behind.
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  EXPECT_EQ(tab->Request().gridSlots, nullptr);
  SearchTabs::TickUntilIdle(*tab);
}

TEST_F(SearchInterfaceTest, OptionsReachTheRequestOnlyWhenASearchStarts) {
  auto tab = tabs.NewTab("*");
  tab->options = SearchOptions{1, 0, 1, 0};
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  tab->options = SearchOptions{0, 1, 0, 1};
  EXPECT_EQ(tab->Request().useAllFrom, 1);
  EXPECT_EQ(tab->Request().caseSensitive, 1);
  EXPECT_EQ(tab->Request().suppressPermutations, 0);
  SearchTabs::TickUntilIdle(*tab);
  // The header records the options the search ran with.
  EXPECT_EQ(tab->GetResults().Header().useAllFrom, 1);
  EXPECT_EQ(tab->GetResults().Header().caseSensitive, 1);
}

TEST_F(SearchInterfaceTest, StoreChangesAreRefusedUntilTheSearchIsFinished) {
  auto tab = tabs.NewTab("*");
  ASSERT_TRUE(tab->StartSearch(kWordSearch));
  ResultsHeader header;
  EXPECT_FALSE(tab->SetSortType(kOrderByWord));
  EXPECT_FALSE(tab->SetSortDirection(1));
  EXPECT_FALSE(tab->LoadFromFile("/nonexistent.kvq", header));
  WaitForThreadEnd(*tab);
  EXPECT_FALSE(tab->SetSortDirection(1));  // ended, not finished
  tab->Tick();
  EXPECT_TRUE(tab->SetSortDirection(1));
  EXPECT_TRUE(tab->SetSortType(kOrderByWord));
  EXPECT_EQ(tab->GetResult(0), "tac");
}

TEST_F(SearchInterfaceTest, DisplayWidthIsTheLongestResultAndAtLeastFour) {
  auto tab = tabs.NewTab("c?t");
  EXPECT_EQ(tab->GetDisplayWidth(), 4);
  Results& results = tab->GetResults();
  results.Clear();
  results.Append("crocodile");
  EXPECT_EQ(tab->GetDisplayWidth(), 9);
}

}  // namespace
