#include "search/results/ResultSorter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "support/ResultVariants.h"
#include "support/ScopedAppPaths.h"
#include "support/SearchHarness.h"

namespace {

// The plain reference: an ordered set keeps the first of equal texts, the order being strict weak.
std::vector<std::string> Reference(const std::vector<std::string>& texts, bool byLength) {
  const auto less = [byLength](const std::string& a, const std::string& b) {
    return (byLength ? OrderWordsByLength(a, b) : OrderWords(a, b)) < 0;
  };
  std::set<std::string, decltype(less)> set(less);
  for (const std::string& text : texts) set.insert(text);
  return {set.begin(), set.end()};
}

std::vector<std::string> Sorted(const std::vector<std::string>& texts, bool byLength, size_t budget,
                                size_t* runs = nullptr) {
  ResultSorter sorter(byLength, budget);
  for (const std::string& text : texts) sorter.Add(text);
  if (runs) *runs = sorter.Runs();
  std::vector<std::string> out;
  sorter.Emit([&](std::string_view text) { out.emplace_back(text); });
  return out;
}

// Named for the thread sanitiser's run: full loads are sorted on a thread of their own.
class ResultSorterThreadsTest : public testing::Test {
 protected:
  ResultSorterThreadsTest() { Settings::Rebuild(); }
  ScopedAppPaths paths;
};

// Run files merged in groups and in one last merge, or none at all, give the reference's list.
TEST_F(ResultSorterThreadsTest, RunsOnDiskGiveTheListOfTheReference) {
  std::vector<std::string> texts = ResultVariants(DebianWords(), 130000, 3);
  texts.push_back(std::string(100000, 'q'));  // more than the whole budget
  texts.push_back(std::string(100000, 'q'));
  for (bool byLength : {false, true}) {
    const std::vector<std::string> expected = Reference(texts, byLength);
    size_t runs = 0;
    EXPECT_EQ(Sorted(texts, byLength, ResultSorter::kSmallestBudget, &runs), expected);
    EXPECT_GT(runs, ResultSorter::kFanIn);
    EXPECT_EQ(Sorted(texts, byLength, ResultSorter::kDefaultBudget, &runs), expected);
    EXPECT_EQ(runs, 0u);
  }
  // The run files went with the merge.
  const std::string temp = Settings::Instance().GetString(SettingId::FolderTemp);
  EXPECT_TRUE(!std::filesystem::exists(temp) || std::filesystem::is_empty(temp));
}

TEST_F(ResultSorterThreadsTest, NothingAddedGivesNothing) {
  EXPECT_TRUE(Sorted({}, false, ResultSorter::kSmallestBudget).empty());
}

// Abandoned in its last merge, the sorter hands nothing more than the first texts in order and
// leaves no run file behind.
TEST_F(ResultSorterThreadsTest, AbandonedMidMergeItHandsNoMoreAndLeavesNoRuns) {
  const std::vector<std::string> texts = ResultVariants(DebianWords(), 20000, 3);
  ResultSorter sorter(false, ResultSorter::kSmallestBudget);
  for (const std::string& text : texts) sorter.Add(text);
  ASSERT_GT(sorter.Runs(), 1u);
  std::vector<std::string> handed;
  EXPECT_FALSE(sorter.Emit([&](std::string_view text) {
    handed.emplace_back(text);
    if (handed.size() == 10) sorter.Abandon();
  }));
  const std::vector<std::string> expected = Reference(texts, false);
  ASSERT_LT(handed.size(), expected.size() / 2);
  EXPECT_TRUE(std::equal(handed.begin(), handed.end(), expected.begin()));
  const std::string temp = Settings::Instance().GetString(SettingId::FolderTemp);
  EXPECT_TRUE(!std::filesystem::exists(temp) || std::filesystem::is_empty(temp));
}

}  // namespace
