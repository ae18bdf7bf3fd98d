#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "foundation/CharClass.h"
#include "search/pattern/RegExp.h"
#include "search/pattern/SrcLetters.h"
#include "support/SearchHarness.h"

namespace {

using Words = std::vector<std::string>;

TEST(SearchSingleTest, AWordInTwoLexiconsIsFoundTwice) {
  SearchHarness search({{"cat", "dog"}, {"cat", "cow"}});
  ASSERT_TRUE(search.Set("c*"));
  EXPECT_EQ(search.Single(), (Words{"cat", "cat", "cow"}));
}

TEST(SearchSingleTest, IncludeAndExcludeFilters) {
  SearchHarness search({{"eel", "bee", "Eel", "\xE9t\xE9", "sand", "Sand", "ten", "e#"}});
  ASSERT_TRUE(search.Set("*", "", "ee"));
  EXPECT_EQ(search.Single(), (Words{"bee", "eel", "Eel", "\xE9t\xE9"}));

  ASSERT_TRUE(search.Set("*", "", "e"));
  const Words withE = search.Single();
  EXPECT_NE(std::find(withE.begin(), withE.end(), "Eel"), withE.end());
  EXPECT_NE(std::find(withE.begin(), withE.end(), "\xE9t\xE9"), withE.end());

  // A matched character cannot serve a second Include character, and no marker stands in.
  ASSERT_TRUE(search.Set("*", "", "e#"));
  EXPECT_EQ(search.Single(), Words{});

  search.Request().caseSensitive = 1;
  ASSERT_TRUE(search.Set("*", "", "", "s"));
  const Words withoutS = search.Single();
  EXPECT_EQ(std::count(withoutS.begin(), withoutS.end(), "sand"), 0);
  EXPECT_EQ(std::count(withoutS.begin(), withoutS.end(), "Sand"), 1);
}

TEST(SearchSingleTest, UseAllFromKeepsOnlyWordsOfThePoolsSize) {
  SearchHarness search({{"a", "at", "act", "cat", "tact"}});
  search.Request().useAllFrom = 1;
  ASSERT_TRUE(search.Set("*", "tac"));
  EXPECT_EQ(search.Single(), (Words{"act", "cat"}));
  search.Request().reuseFromLetters = 1;
  ASSERT_TRUE(search.Set("*", "TAC"));  // unlimited: no word has 255 letters
  EXPECT_EQ(search.Single(), Words{});
}

TEST(SearchSingleTest, NoSelectedLexiconSearchesNothing) {
  SearchHarness search({});
  ASSERT_TRUE(search.Set("*"));
  EXPECT_EQ(search.Single(), Words{});
}

// The reference: every stored word that the pattern, the FROM letters and the options let
// through, in stored order.
Words PlainScan(const Words& stored, const std::string& find, const std::string& from,
                bool caseSensitive, bool useAll) {
  RegExp pattern(find);
  pattern.SetCaseSensitive(caseSensitive);
  SrcLetters letters;
  letters.Set(from);
  Words found;
  for (const std::string& word : stored) {
    if (!pattern.Match(("&" + word + "@").c_str())) continue;
    if (letters.Total() > 0) {
      if (letters.TryWord(word.c_str(), '@') != 0) continue;
      if (useAll && static_cast<uint32_t>(CountLetters(word.c_str())) != letters.Total()) continue;
    }
    found.push_back(word);
  }
  return found;
}

TEST(SearchSingleTest, MatchesAPlainScanOfTheDebianWordList) {
  const Words stored = InLexiconOrder(DebianWords());
  SearchHarness search({stored});
  struct Case {
    const char* find;
    const char* from;
    bool useAll;
  } cases[] = {
      {"?a??e?", "", false},       {"c*t", "", false},       {"[aeiou]?[a-f]*", "", false},
      {"*ing", "", false},         {"^s*", "", false},       {"2[aeiou]^[aeiou]?", "", false},
      {"*", "listen", true},       {"*", "listen", false},   {"*", "stare??", true},
      {"?a*", "orangeade", false}, {"*", "aEt", false},      {"b*", "bananas", false},
  };
  for (const Case& c : cases) {
    search.Request().useAllFrom = c.useAll;
    search.Request().reuseFromLetters = std::string(c.from) != "aEt" ? 0 : 1;
    ASSERT_TRUE(search.Set(c.find, c.from)) << c.find;
    EXPECT_EQ(search.Single(), PlainScan(stored, search.Request().find, search.Request().from, false,
                                         c.useAll))
        << c.find << " / " << c.from;
  }
}

}  // namespace

namespace {

TEST(SearchSingleKeyWordsTest, KeyWordsKeepWordsTheDictionaryLinksToThem) {
  SearchHarness search({Words{"cat", "dog", "fox", "table"}});
  Settings::Instance().SetString(SettingId::FolderWordNet, SORVANE_BIN_DIR "/Wordnet");
  ASSERT_TRUE(search.Set("*", "", "", "", "canine"));
  EXPECT_EQ(search.Single(), (Words{"dog", "fox"}));
}

// Once open, the library stays open whatever folder is named later, so this runs in a process
// of its own where no earlier test can have started it.
int SearchWithADictionaryThatCannotStart() {
  SearchHarness search({Words{"cat", "dog"}});
  Settings::Instance().SetString(SettingId::FolderWordNet, "/nonexistent-wordnet");
  if (!search.Set("*", "", "", "", "canine")) return 1;
  // The search thread reports the failure and ends the search with nothing found.
  if (!search.Single().empty()) return 2;
  const auto boxes = search.host.Boxes();
  return !boxes.empty() && boxes.back().caption == "Error" ? 0 : 3;
}

TEST(SearchSingleKeyWordsTest, ADictionaryThatCannotStartFailsTheSearch) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(SearchWithADictionaryThatCannotStart()), testing::ExitedWithCode(0), "");
}

}  // namespace
