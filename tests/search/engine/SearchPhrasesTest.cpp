#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <set>

#include "foundation/CharClass.h"
#include "search/pattern/SrcLetters.h"
#include "support/SearchHarness.h"

namespace {

using Words = std::vector<std::string>;
using Phrase = std::vector<std::string>;

Phrase SplitPhrase(const std::string& text) {
  Phrase words;
  std::string word;
  for (char c : text) {
    if (c != ' ') {
      word += c;
    } else if (!word.empty()) {
      words.push_back(word);
      word.clear();
    }
  }
  EXPECT_TRUE(word.empty()) << "a phrase ends with a space: '" << text << "'";
  return words;
}

std::set<Phrase> AsPhrases(const Words& results, bool ignoreOrder) {
  std::set<Phrase> phrases;
  for (const std::string& result : results) {
    Phrase phrase = SplitPhrase(result);
    if (ignoreOrder) std::sort(phrase.begin(), phrase.end());
    phrases.insert(phrase);
  }
  return phrases;
}

// Every sequence of `count` words (any count when 0) that the FROM letters can spell together,
// using all of them when useAll.
std::set<Phrase> BruteForce(const Words& words, const std::string& from, size_t count, bool useAll,
                            bool ignoreOrder) {
  std::set<Phrase> phrases;
  Phrase phrase;
  std::function<void(const SrcLetters&)> extend = [&](const SrcLetters& pool) {
    const bool enough = count == 0 ? !phrase.empty() : phrase.size() == count;
    if (enough && (!useAll || pool.Total() == 0)) {
      Phrase kept = phrase;
      if (ignoreOrder) std::sort(kept.begin(), kept.end());
      phrases.insert(kept);
    }
    if ((count != 0 && phrase.size() == count) || pool.Total() == 0) return;
    for (const std::string& word : words) {
      SrcLetters trial = pool;
      if (trial.TryWord(word.c_str(), '\0') != 0) continue;
      phrase.push_back(word);
      extend(SrcLetters::FromRemaining(trial));
      phrase.pop_back();
    }
  };
  SrcLetters pool;
  pool.Set(from);
  extend(pool);
  return phrases;
}

// Words with a vowel that the letters can spell: the search never needs others.
Words Candidates(const std::string& from) {
  SrcLetters letters;
  letters.Set(from);
  Words words;
  for (const std::string& word : DebianWords()) {
    if (word.size() < 2 && word != "a") continue;
    SrcLetters trial = letters;
    if (trial.TryWord(word.c_str(), '\0') != 0) continue;
    if (std::none_of(word.begin(), word.end(), [](char c) { return ClassOf(c) & kVowel; })) continue;
    words.push_back(word);
  }
  return InLexiconOrder(words);
}

TEST(SearchPhrasesTest, TwoWordsShareTheLetters) {
  SearchHarness search({{"cat", "cot", "dog", "god", "do", "to", "act"}});
  search.Request().useAllFrom = 1;
  search.Request().suppressPermutations = 0;
  ASSERT_TRUE(search.Set("c?t *", "catdog"));
  EXPECT_EQ(search.Phrases(), (Words{"cat dog ", "cat god "}));
}

TEST(SearchPhrasesTest, SuppressPermutationsKeepsOneOrder) {
  SearchHarness search({{"dog", "top", "pot", "god"}});
  search.Request().useAllFrom = 1;
  search.Request().suppressPermutations = 1;
  ASSERT_TRUE(search.Set("* *", "dogtop"));
  const auto suppressed = AsPhrases(search.Phrases(), false);
  EXPECT_EQ(suppressed.count(Phrase{"dog", "top"}), 1u);
  EXPECT_EQ(suppressed.count(Phrase{"top", "dog"}), 0u);
  search.Request().suppressPermutations = 0;
  ASSERT_TRUE(search.Set("* *", "dogtop"));
  const auto all = AsPhrases(search.Phrases(), false);
  EXPECT_EQ(all.count(Phrase{"top", "dog"}), 1u);
  EXPECT_EQ(all.count(Phrase{"dog", "top"}), 1u);
}

TEST(SearchPhrasesTest, BangKeepsOneOrderOfWordsOfOneLength) {
  // The second word uses every letter left and is as long as the first: only those standing at
  // or after the first word in the lexicon may follow it.
  SearchHarness search({{"act", "cat", "dog", "god"}});
  search.Request().useAllFrom = 1;
  search.Request().suppressPermutations = 1;
  ASSERT_TRUE(search.Set("!", "catdog"));
  EXPECT_EQ(search.Phrases(), (Words{"act dog ", "act god ", "cat dog ", "cat god "}));
}

TEST(SearchPhrasesTest, BangLastWordsPassTheLetterFiltersAndNeedAVowel) {
  SearchHarness search({{"act", "cat", "dog", "god", "hmm"}});
  search.Request().useAllFrom = 1;
  search.Request().suppressPermutations = 1;
  // Every phrase uses all of FROM, so only an Include letter asked for twice can fail them.
  ASSERT_TRUE(search.Set("!", "catdog", "gg"));
  EXPECT_EQ(search.Phrases(), Words{});
  // Letters left without a vowel end the phrase, even where a word would use them all.
  ASSERT_TRUE(search.Set("!", "cathmm"));
  EXPECT_EQ(search.Phrases(), Words{});
}

TEST(SearchPhrasesTest, NoVowelNoPhrase) {
  SearchHarness search({Words{"hmm", "brr"}});
  ASSERT_TRUE(search.Set("* *", "hmmbrr"));
  EXPECT_EQ(search.Phrases(), Words{});
}

TEST(SearchPhrasesTest, BangWithAnUnlimitedPoolEnds) {
  SearchHarness search({Words{"a", "aa", "hm"}});
  search.Request().reuseFromLetters = 1;
  ASSERT_TRUE(search.Set("!", "HMa"));
  EXPECT_EQ(search.Phrases(), Words{});
  ASSERT_TRUE(search.Set("!", "A"));
  EXPECT_EQ(search.Phrases(), Words{});
}

TEST(SearchPhrasesTest, BlankOfFromServesAnyWord) {
  // FIND's own '?' is spent by its word; FROM's blank stays for the other.
  SearchHarness search({{"cat", "dog", "cot"}});
  search.Request().useAllFrom = 1;
  ASSERT_TRUE(search.Set("c?t *", "catdo?"));
  const auto phrases = AsPhrases(search.Phrases(), false);
  EXPECT_EQ(phrases.count(Phrase{"cat", "dog"}), 1u);
}

TEST(SearchPhrasesTest, WordsRepeatingALetterManyTimesAreSpeltExactly) {
  // Eight a's and more: past what the quick letter test counts, so the full test decides.
  const Words words = InLexiconOrder(
      {"a", "aa", "ab", "aaaaaaa", "aaaaaaaa", "aaaaaaaaa", "baaaaaaaa", "aaaaaaaabb"});
  SearchHarness search({words});
  search.Request().useAllFrom = 1;
  search.Request().suppressPermutations = 1;
  ASSERT_TRUE(search.Set("!", "aaaaaaaab"));
  const auto phrases = AsPhrases(search.Phrases(), true);
  EXPECT_EQ(phrases, BruteForce(words, "aaaaaaaab", 0, true, true));
  EXPECT_EQ(phrases.count(Phrase{"baaaaaaaa"}), 1u);
  EXPECT_EQ(phrases.count(Phrase{"aaaaaaaaa"}), 0u);
}

struct BruteForceCase {
  const char* find;
  const char* from;
  size_t words;  // 0: any number
  bool useAll;
  bool suppress;
};

class SearchPhrasesBruteForceTest : public ::testing::TestWithParam<BruteForceCase> {};

TEST_P(SearchPhrasesBruteForceTest, MatchesEveryPhraseTheLettersAllow) {
  const BruteForceCase& c = GetParam();
  const Words words = Candidates(c.from);
  SearchHarness search({words});
  search.Request().useAllFrom = c.useAll;
  search.Request().suppressPermutations = c.suppress;
  ASSERT_TRUE(search.Set(c.find, c.from));
  const Words results = search.Phrases();
  // With permutations suppressed a phrase may still come in more than one order, never in none.
  EXPECT_EQ(AsPhrases(results, c.suppress), BruteForce(words, c.from, c.words, c.useAll, c.suppress));
  // Suppressing permutations, each word stands no earlier than the one before it in the lexicon's
  // walk: by letter count, then first letter.
  if (c.suppress) {
    for (const std::string& result : results) {
      const Phrase phrase = SplitPhrase(result);
      for (size_t n = 1; n < phrase.size(); ++n)
        EXPECT_LE(std::pair(phrase[n - 1].size(), phrase[n - 1][0]),
                  std::pair(phrase[n].size(), phrase[n][0]))
            << result;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, SearchPhrasesBruteForceTest,
    ::testing::Values(BruteForceCase{"* *", "listens", 2, true, false},
                      BruteForceCase{"* *", "listens", 2, true, true},
                      BruteForceCase{"* *", "parsec", 2, false, false},
                      BruteForceCase{"* *", "parsec", 2, false, true},
                      BruteForceCase{"* * *", "dormitory", 3, true, true},
                      BruteForceCase{"* * *", "ateliers", 3, true, false},
                      BruteForceCase{"* *", "tosca?", 2, true, true},
                      BruteForceCase{"!", "listens", 0, true, true},
                      BruteForceCase{"!", "garden", 0, true, false},
                      BruteForceCase{"!", "dormitory", 0, true, true},
                      BruteForceCase{"!", "poster?", 0, true, true}));

}  // namespace
