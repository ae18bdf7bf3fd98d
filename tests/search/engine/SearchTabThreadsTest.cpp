// Search tabs driven at random while their searches run: starts, pauses, resumes and stops at
// random moments, a second thread reading results all the while, and the searched lexicons
// deselected and deleted under the search. Run under ThreadSanitizer too.

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <random>
#include <thread>

#include "platform/MessageBoxFlags.h"
#include "search/engine/SearchInterface.h"
#include "search/request/SearchData.h"
#include "search/request/SelectedWords.h"
#include "support/SearchHarness.h"
#include "support/SearchTabs.h"

namespace {

enum class Kind { kSingle, kPhrases, kGrid };

void Prepare(SearchInterface& tab, Kind kind) {
  tab.options = SearchOptions{0, 0, 0, 0};
  if (kind == Kind::kPhrases) {
    tab.fields.find = "* * *";
    tab.fields.from = "abcdefghijklmnopqrstuvwxyz";
  }
  if (kind != Kind::kGrid) return;
  auto words = std::make_unique<SelectedWords>();
  words->Add(1, 0, 0, SelectedWord::kAcross, "%%%%%");
  words->Add(1, 0, 0, SelectedWord::kDown, "%%%%%");
  words->Add(2, 4, 0, SelectedWord::kDown, "%%%%%");
  tab.Request().gridSlots = std::move(words);
}

void SleepMicros(std::mt19937& random, int most) {
  std::this_thread::sleep_for(std::chrono::microseconds(random() % most));
}

class SearchTabThreads : public ::testing::TestWithParam<Kind> {};

TEST_P(SearchTabThreads, RandomControlWhileResultsAreReadAndLexiconsGo) {
  const Kind kind = GetParam();
  const uint8_t mode = kind == Kind::kGrid ? kGridSearch : kWordSearch;
  SearchTabs tabs({DebianWords(), DebianWords("british-english")});
  auto tab = tabs.NewTab("*");
  Prepare(*tab, kind);

  std::atomic<bool> reading{true};
  std::thread reader([&] {
    std::mt19937 random(7);
    while (reading.load()) {
      const int32_t count = tab->GetResultCount();
      if (count > 0) (void)tab->GetResult(random() % static_cast<uint32_t>(count));
      (void)tab->GetResult(static_cast<uint32_t>(count) + 5);
    }
  });

  std::mt19937 random(42);
  for (int round = 0; round < 12; ++round) {
    ASSERT_TRUE(tab->StartSearch(mode)) << round;
    SleepMicros(random, 3000);
    if (random() % 2) {
      tab->Pause(true);
      SleepMicros(random, 2000);
      if (random() % 2) tab->Pause(false);
    }
    if (round == 4) tab->Request().lexicons->Select(0, false);
    if (round == 8) tab->Request().lexicons->DeleteLexicons({tabs.Paths()[0]});
    SleepMicros(random, 3000);
    if (random() % 2) {
      tabs.host.QueueAnswer(IDOK);
      tab->StartSearch(mode);  // the Search command, while running, asks and stops
    } else {
      tab->StopSearch(false);
    }
    SearchTabs::TickUntilIdle(*tab);
    EXPECT_FALSE(tab->Searching());
    EXPECT_EQ(RunningSearchCount.load(), 0);
    if (round == 4) tab->Request().lexicons->Select(0, true);
  }
  // A last one destroyed mid-search.
  ASSERT_TRUE(tab->StartSearch(mode));
  SleepMicros(random, 3000);
  reading = false;
  reader.join();
  tab.reset();
  EXPECT_EQ(RunningSearchCount.load(), 0);
}

INSTANTIATE_TEST_SUITE_P(Searches, SearchTabThreads,
                         ::testing::Values(Kind::kSingle, Kind::kPhrases, Kind::kGrid));

}  // namespace
