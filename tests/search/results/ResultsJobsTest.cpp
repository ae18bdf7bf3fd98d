// The jobs that take stored results further: re-sorting them, exporting them as text and
// copying a grid selection of them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/TextUtils.h"
#include "platform/MessageBoxFlags.h"
#include "search/engine/SearchInterface.h"
#include "search/results/CopyToClipBrdThread.h"
#include "search/results/Results.h"
#include "search/results/SaveResultsAsText.h"
#include "support/FileSizeLimit.h"
#include "support/ResultVariants.h"
#include "support/SearchHarness.h"
#include "support/SearchTabs.h"

namespace {

using Words = std::vector<std::string>;

// The bytes of a store's pair.
std::string PairBytes(Results& results) {
  return ReadWholeFile(results.DataFileName()) + "|" + ReadWholeFile(results.IndexFileName());
}

std::unique_ptr<SearchInterface> FinishedSearch(SearchTabs& tabs, int32_t ordering,
                                                const std::string& find) {
  Settings::Instance().SetInt(SettingId::SortType, ordering);
  auto tab = tabs.NewTab(find);
  tab->options = SearchOptions{};
  EXPECT_TRUE(tab->StartSearch(kWordSearch));
  SearchTabs::TickUntilIdle(*tab);
  return tab;
}

// Two lexicons sharing words, in other cases too.
std::vector<Words> TwoLexicons() {
  Words second;
  for (const std::string& word : DebianWords("british-english")) {
    if (word[0] == 'c') second.push_back(second.size() % 3 ? word : std::string(1, 'C') + word.substr(1));
  }
  return {DebianWords(), second};
}

class ReSortTest : public ::testing::TestWithParam<uint8_t> {};

TEST_P(ReSortTest, AsFoundResultsReSortedAreThePairOfTheSearchSortedAtItsEnd) {
  SearchTabs tabs(TwoLexicons());
  auto sortedAtEnd = FinishedSearch(tabs, GetParam(), "c*");
  auto asFound = FinishedSearch(tabs, kOrderAsFound, "c*");
  ASSERT_GT(asFound->GetResultCount(), sortedAtEnd->GetResultCount());  // repeats
  ASSERT_TRUE(asFound->SetSortType(GetParam()));
  EXPECT_EQ(asFound->GetResultCount(), sortedAtEnd->GetResultCount());
  EXPECT_EQ(PairBytes(asFound->GetResults()), PairBytes(sortedAtEnd->GetResults()));
  const auto jobs = tabs.host.Jobs();
  ASSERT_FALSE(jobs.empty());
  EXPECT_EQ(jobs.back().message, "Sorting Results");
  EXPECT_TRUE(jobs.back().showCancel);
}

INSTANTIATE_TEST_SUITE_P(Orderings, ReSortTest,
                         ::testing::Values(kOrderByWord, kOrderByLengthThenWord));

TEST(ReSortCancelTest, ACancelWhileReadingLeavesThePairAsItWas) {
  SearchTabs tabs(TwoLexicons());
  auto tab = FinishedSearch(tabs, kOrderAsFound, "c*");
  Results& results = tab->GetResults();
  const std::string before = PairBytes(results);
  const int32_t count = tab->GetResultCount();
  tabs.host.CancelJobAt(1);
  tabs.host.QueueAnswer(IDOK);
  ASSERT_TRUE(tab->SetSortType(kOrderByWord));
  EXPECT_EQ(PairBytes(results), before);
  EXPECT_EQ(tab->GetResultCount(), count);
  EXPECT_EQ(results.Ordering(), kOrderAsFound);
}

TEST(ReSortCancelTest, ACancelWhileWritingIsIgnored) {
  SearchTabs tabs({{"pear", "Apple", "fig", "apple", "banana", "fig"}});
  auto tab = FinishedSearch(tabs, kOrderAsFound, "*");
  tabs.host.CancelJobAt(95);
  tabs.host.QueueAnswer(IDOK);
  ASSERT_TRUE(tab->SetSortType(kOrderByWord));
  EXPECT_EQ(SearchTabs::ResultsOf(*tab), (Words{"Apple", "banana", "fig", "pear"}));
  Results& results = tab->GetResults();
  EXPECT_EQ(results.Ordering(), kOrderByWord);
  EXPECT_EQ(results.Header().count, 4u);
  // The count is what the index holds.
  EXPECT_EQ(ReadWholeFile(results.IndexFileName()).size(), (4u + 1) * 4);
}

// A program asked to stop ends the re-sort while it writes, rather than writing every result.
TEST(ReSortStopTest, AStopWhileWritingEndsTheReSort) {
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope{host};
  Results results;
  results.Clear();
  constexpr uint32_t kCount = 100000;
  for (uint32_t i = kCount; i > 0; --i) results.Append("w" + std::to_string(i));
  results.Finish(ResultsHeader{});
  host.StopAt(91);
  results.SetSortType(kOrderByWord);
  EXPECT_LT(results.Count(), kCount / 2);
}

TEST(ReSortFailureTest, AFailedReSortKeepsThePreviousOrderingAndCountsWhatThePairHolds) {
  SearchTabs tabs({{"pear", "apple", "fig"}});
  auto tab = FinishedSearch(tabs, kOrderAsFound, "*");
  // The Temp folder goes: the new pair cannot be made.
  std::filesystem::remove_all(Settings::Instance().GetString(SettingId::FolderTemp));
  ASSERT_TRUE(tab->SetSortType(kOrderByWord));
  EXPECT_EQ(tab->GetResults().Ordering(), kOrderAsFound);
  EXPECT_EQ(tab->GetResultCount(), 0);
  EXPECT_EQ(tab->GetResult(0), "");
  const auto boxes = tabs.host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Error");
}

// Marks make the word order cyclic (ab = AB, yet a-b sorts between them): the re-sort stays within
// its items whatever order the comparisons suggest.
TEST(ReSortCyclicOrderTest, WordsWithMarksSortSafely) {
  Words words;
  Words variants{"ab", "AB", "a-b", "Ab", "a-B", "b", "a"};
  for (int round = 0; round < 200; ++round) {
    std::next_permutation(variants.begin(), variants.end());
    words.insert(words.end(), variants.begin(), variants.end());
  }
  SearchTabs tabs({words});
  auto tab = FinishedSearch(tabs, kOrderAsFound, "*");
  ASSERT_TRUE(tab->SetSortType(kOrderByLengthThenWord));
  const Words sorted = SearchTabs::ResultsOf(*tab);
  EXPECT_GE(sorted.size(), 3u);
  EXPECT_LE(sorted.size(), 7u);
  EXPECT_EQ(sorted.front(), "a");
}

// The texts of a store, as stored.
Words StoredTexts(Results& results) {
  Words texts;
  for (uint32_t i = 0; i < results.Count(); ++i) texts.push_back(results.GetResult(i));
  return texts;
}

// A search over the lexicons sorted at its end, and the same search as found re-sorted, give the
// same pair; returns its texts.
Words BothSorts(const std::vector<Words>& lexicons, uint8_t ordering) {
  SearchTabs tabs(lexicons);
  auto sortedAtEnd = FinishedSearch(tabs, ordering, "*");
  auto asFound = FinishedSearch(tabs, kOrderAsFound, "*");
  EXPECT_TRUE(asFound->SetSortType(ordering));
  EXPECT_EQ(PairBytes(asFound->GetResults()), PairBytes(sortedAtEnd->GetResults()));
  return StoredTexts(sortedAtEnd->GetResults());
}

struct OneOrderCase {
  std::vector<Words> lexicons;
  uint8_t ordering;
  Words sorted;
};

TEST(OneOrderTest, BothSortsGiveOneListWithMarksCaseAndAccents) {
  const std::vector<OneOrderCase> cases = {
      {{{"cats"}, {"cat's"}, {"Cats"}}, kOrderByWord, {"cat's", "cats"}},
      {{{"Cats"}, {"cat's"}, {"cats"}}, kOrderByWord, {"cat's", "Cats"}},
      {{{"e-mail"}, {"emaciate"}, {"em"}}, kOrderByWord, {"em", "emaciate", "e-mail"}},
      {{{"AB"}, {"a-b"}, {"ab"}}, kOrderByWord, {"a-b", "AB"}},
      {{{"caf\xE9s"}, {"Caf\xE9's"}, {"cafes"}}, kOrderByWord, {"Caf\xE9's", "caf\xE9s"}},
      {{{"zz"}, {"a'b"}, {"ZZ"}, {"aab"}}, kOrderByLengthThenWord, {"a'b", "zz", "aab"}},
  };
  for (const OneOrderCase& c : cases) EXPECT_EQ(BothSorts(c.lexicons, c.ordering), c.sorted);
}

TEST(OneOrderTest, BothSortsAgreeOnVariantsOfADebianList) {
  const Words texts = ResultVariants(DebianWords(), 30000, 26);
  std::vector<Words> lexicons(3);
  for (size_t i = 0; i < texts.size(); ++i) lexicons[i % 3].push_back(texts[i]);
  for (uint8_t ordering : {kOrderByWord, kOrderByLengthThenWord}) {
    const Words sorted = BothSorts(lexicons, ordering);
    EXPECT_GT(sorted.size(), 1000u);
  }
}

// The report of an export, built from the texts as they stand.
std::string Report(const std::string& find, bool useAll, bool suppress, long count) {
  const std::string stars = std::string(60, '*') + "\r\n";
  return stars + "Results from Sorvane Search\r\n\r\n" + "Find Field: " + find +
         "\r\nFrom Field: abc\r\nInclude Field: \r\nExclude Field: x\r\nKeyWords Field: \r\n" +
         (useAll ? "Use All From Selected\r\n" : "\r\n") +
         (suppress ? "Suppress Permutations Selected\r\n" : "\r\n") + "Matches Found: " +
         std::to_string(count) + "\r\n" + stars;
}

struct ExportCase {
  const char* name;
  Words found;
  bool useAll;
  bool suppress;
  std::string lines;  // UTF-8
};

class ExportTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportTest, TheExportIsTheReportThenOneResultALine) {
  const ExportCase& c = GetParam();
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope(host);
  Settings::Instance().SetInt(SettingId::SortType, kOrderAsFound);
  Results results;
  results.Clear();
  for (const std::string& word : c.found) results.Add(word);
  ResultsHeader criteria;
  SetHeaderText(criteria.find, "caf\xE9");
  SetHeaderText(criteria.from, "abc");
  SetHeaderText(criteria.exclude, "x");
  criteria.useAllFrom = c.useAll;
  criteria.suppressPermutations = c.suppress;
  results.Finish(criteria);
  const std::string path = settings.Root() / "export.txt";
  ASSERT_TRUE(results.SaveAsText(path));
  EXPECT_EQ(ReadWholeFile(path),
            Report("caf\xC3\xA9", c.useAll, c.suppress, static_cast<long>(c.found.size())) + c.lines);
  ASSERT_EQ(host.Jobs().size(), 1u);
  EXPECT_EQ(host.Jobs()[0].message, "Saving Results to File");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ExportTest,
    ::testing::Values(ExportCase{"NoResults", {}, false, false, ""},
                      ExportCase{"BothOptions", {"cat", "act"}, true, true, "cat\r\nact\r\n"},
                      ExportCase{"AccentedWord", {"caf\xE9"}, false, true, "caf\xC3\xA9\r\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ExportFailureTest, AWriteThatFailsReturnsFalse) {
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope(host);
  Results results;
  results.Clear();
  results.Append("cat");
  results.Finish(ResultsHeader{});
  // The device takes nothing: the close reports what the writes could not.
  EXPECT_FALSE(results.SaveAsText("/dev/full"));
  EXPECT_FALSE(results.SaveAsText(settings.Root() / "missing/folder/export.txt"));
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "Error");
}

TEST(ExportCancelTest, ACancelledOrFailedExportLeavesTheFileThatWasThere) {
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope(host);
  Results results;
  results.Clear();
  for (int i = 0; i < 40000; ++i) results.Append("w" + std::to_string(i));
  results.Finish(ResultsHeader{});
  const std::string path = settings.Root().Write("export.txt", "the user's text");
  const auto files = [&] {
    return std::distance(std::filesystem::directory_iterator(settings.Root().Path()), {});
  };
  const auto before = files();
  host.CancelJobAt(1);
  EXPECT_FALSE(results.SaveAsText(path));
  {
    FileSizeLimit full(100000);
    EXPECT_FALSE(results.SaveAsText(path));
  }
  EXPECT_EQ(ReadWholeFile(path), "the user's text");
  EXPECT_EQ(files(), before);  // no staged file left beside it
  ASSERT_TRUE(results.SaveAsText(path));
  EXPECT_NE(ReadWholeFile(path).find("w39999\r\n"), std::string::npos);
}

class CopyTest : public ::testing::Test {
 protected:
  CopyTest() {
    results.Clear();
    for (const char* word : {"a", "b", "c", "d", "e"}) results.Append(word);
    results.Finish(ResultsHeader{});
  }
  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope{host};
  Results results;
};

TEST_F(CopyTest, ASelectionGivesItsCellsRowByRowAndEmptyLinesPastTheEnd) {
  std::string text;
  ASSERT_TRUE(CopyResultsAsText(results, TGridRect{1, 1, 3, 2}, 3, text));
  EXPECT_EQ(text, "a\r\nb\r\nc\r\nd\r\ne\r\n\r\n");
  ASSERT_TRUE(CopyResultsAsText(results, TGridRect{2, 2, 3, 3}, 3, text));
  EXPECT_EQ(text, "e\r\n\r\n\r\n\r\n");
}

TEST_F(CopyTest, ASelectionPastTheLimitIsRefusedBeforeItStarts) {
  std::string text = "as it was";
  // Five results and an empty line make 17 bytes.
  EXPECT_FALSE(CopyResultsAsText(results, TGridRect{1, 1, 3, 2}, 3, text, 16));
  EXPECT_EQ(text, "as it was");
  EXPECT_TRUE(host.Jobs().empty());
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text.substr(0, 25), "5 results are selected: m");
  EXPECT_NE(boxes[0].text.find("Export Results writes"), std::string::npos);
  ASSERT_TRUE(CopyResultsAsText(results, TGridRect{1, 1, 3, 2}, 3, text, 17));
}

TEST_F(CopyTest, ACancelledCopyGivesNothing) {
  std::string text = "as it was";
  host.CancelJobAt(0);
  EXPECT_FALSE(CopyResultsAsText(results, TGridRect{1, 1, 3, 2}, 3, text));
  EXPECT_EQ(text, "as it was");
}

}  // namespace
