// The fast form for entries of letters only against the general matcher, which stays the
// reference: random patterns from the whole pattern language, random entries, both case flags.
// Then the cursor, which picks the form per entry, against a plain scan with the general matcher
// over a lexicon of entries with and without marks.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "search/lexicon/Dictionary.h"
#include "search/pattern/LetterPattern.h"
#include "search/pattern/RegExp.h"
#include "support/DictionaryCursors.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

// Few distinct letters, so that random patterns and entries meet often; capitals and accented
// letters fold onto them.
constexpr char kLetters[] = "aeinst" "AEST" "\xE9\xC9\xF1\xE0";

class Generator {
 public:
  explicit Generator(unsigned seed) : random(seed) {}

  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }
  char Letter() { return kLetters[Pick(0, sizeof kLetters - 2)]; }

  // Well-formed more often than not, but with every kind of element, misplaced ones included.
  std::string Pattern() {
    std::string pattern;
    for (int n = Pick(1, 6); n > 0; --n) {
      if (Pick(0, 5) == 0) pattern += static_cast<char>('0' + Pick(0, 3));
      if (Pick(0, 7) == 0) pattern += '^';
      pattern += Element();
    }
    return pattern;
  }

  // An entry as a lexicon stores it: letters, and with marks when asked. Some are long, so that
  // a tail can be longer than the cursor reads at once.
  std::string Entry(bool withMarks) {
    static const char kMarks[] = " -'.,";
    std::string entry(1, Letter());
    int marks = 0;
    for (int n = Pick(0, 1) ? Pick(0, 9) : Pick(0, MaxWordLength - 1); n > 0; --n) {
      if (withMarks && marks < MaxWordMarks && Pick(0, 3) == 0) {
        entry += kMarks[Pick(0, sizeof kMarks - 2)];
        ++marks;
      }
      entry += Letter();
    }
    return entry;
  }

 private:
  std::string Element() {
    switch (Pick(0, 11)) {
      case 0:
      case 1:
      case 2:
        return std::string(1, Letter());
      case 3:
        return "?";
      case 4:
        return "*";
      case 5: {
        std::string set = "[";
        for (int n = Pick(1, 3); n > 0; --n) set += SetMember();
        return set + "]";
      }
      case 6: {
        const char lo = Letter();
        const char hi = Pick(0, 1) ? Letter() : static_cast<char>(lo + Pick(0, 4));
        return std::string("[") + lo + "-" + hi + "]";
      }
      case 7:
        return std::string("\\") + "a?*[-@& e"[Pick(0, 8)];
      case 8:
        return std::string(1, " -'"[Pick(0, 2)]);
      case 9:
        return std::string(1, "&@."[Pick(0, 2)]);
      default:
        return "?*";
    }
  }

  std::string SetMember() {
    switch (Pick(0, 5)) {
      case 0:
        return "?";
      case 1:
        return "^?";
      case 2:
        return std::string("[") + Letter() + "-" + Letter() + "]";
      case 3:
        return std::string("[") + Letter() + Letter() + "]";
      case 4:
        return std::string("\\") + "]-^"[Pick(0, 2)];
      default:
        return std::string(1, Letter());
    }
  }

  std::mt19937 random;
};

std::unique_ptr<RegExp> Compiled(const std::string& pattern) {
  try {
    return std::make_unique<RegExp>(pattern);
  } catch (const RegExpException&) {
    return nullptr;
  }
}

std::string Framed(const std::string& entry) { return "&" + entry + "@"; }

TEST(LetterPatternTest, AgreesWithTheGeneralMatcherOnEntriesOfLetters) {
  Generator generator(20261207);
  std::vector<std::string> entries;
  for (int n = 0; n < 300; ++n) entries.push_back(generator.Entry(false));
  int compiled = 0;
  int nodeForms = 0;
  size_t matches = 0;
  for (int n = 0; n < 4000; ++n) {
    const std::string pattern = generator.Pattern();
    const auto matcher = Compiled(pattern);
    if (!matcher) continue;
    ++compiled;
    nodeForms += matcher->UsesNodes();
    for (const bool caseSensitive : {false, true}) {
      matcher->SetCaseSensitive(caseSensitive);
      LetterPattern form;
      const bool built = matcher->UsesNodes()
                             ? form.Build(matcher->NodeSegments(), caseSensitive)
                             : form.Build(matcher->TextSegments(), caseSensitive);
      ASSERT_TRUE(built) << pattern;  // every pattern has a fast form
      for (const std::string& entry : entries) {
        const std::string framed = Framed(entry);
        const bool expected = matcher->Match(framed.c_str());
        ASSERT_EQ(form.Match(framed.c_str(), static_cast<int32_t>(entry.size())), expected)
            << "pattern " << pattern << " entry " << entry << " case " << caseSensitive;
        matches += expected;
      }
    }
  }
  // Enough patterns of both forms compiled, and they matched often enough to tell anything.
  EXPECT_GT(compiled, 1500);
  EXPECT_GT(nodeForms, 500);
  EXPECT_GT(matches, 20000u);
}

// The tail test settles most words of a pattern that begins with '*' before either matcher
// runs, marks or not, so it may refuse only what the general matcher refuses.
TEST(LetterPatternTest, AFixedTailRefusesOnlyEntriesTheMatcherRefuses) {
  Generator generator(11);
  std::vector<std::string> entries;
  for (int n = 0; n < 300; ++n) entries.push_back(generator.Entry(true));
  int refused = 0;
  for (int n = 0; n < 3000; ++n) {
    const auto matcher = Compiled("*" + generator.Pattern());
    if (!matcher) continue;
    for (const std::string& entry : entries) {
      const std::string framed = Framed(entry);
      const auto letters = static_cast<int32_t>(
          std::count_if(entry.begin(), entry.end(), [](char c) { return IsLetter(c); }));
      const auto length = static_cast<int32_t>(entry.size());
      if (RegExp::TailMayFit(matcher->FixedTail(), framed.c_str(), length, letters)) continue;
      ++refused;
      ASSERT_FALSE(matcher->Match(framed.c_str())) << "pattern " << matcher->Pattern()
                                                   << " entry " << entry;
    }
  }
  EXPECT_GT(refused, 100000);
}

// Shapes the random patterns seldom reach: repeats of zero, a '@' met before the end, a segment
// left empty, the closing '@' repeated, blanks that run into the '@'.
TEST(LetterPatternTest, AgreesOnUnusualShapes) {
  const char* const patterns[] = {
      "a0b",  "[a]0b", "*@*",   "*@*0[a]", "?@*",    "a*@?",   "[a]2",     "*?",
      "??*?", "*??",   "*^a",   "^[ab]*",  "*[^?]*", "&*",     "*&*",      "\\@*",
      "a *",  "a-*",   "*'s",   "*.",      "9?",     "3[a-c]*", "*\\**",   "[?]*e",
  };
  const char* const entries[] = {"a", "ab", "b", "aab", "abab", "ba", "e", "ea", "nasa", "Ana",
                                 "\xE9t\xE9", "sat", "seats", "tat"};
  for (const char* pattern : patterns) {
    const auto matcher = Compiled(pattern);
    ASSERT_TRUE(matcher) << pattern;
    for (const bool caseSensitive : {false, true}) {
      matcher->SetCaseSensitive(caseSensitive);
      for (const char* entry : entries) {
        const std::string framed = Framed(entry);
        EXPECT_EQ(matcher->MatchLetters(framed.c_str(), static_cast<int32_t>(framed.size() - 2)),
                  matcher->Match(framed.c_str()))
            << "pattern " << pattern << " entry " << entry << " case " << caseSensitive;
      }
    }
  }
}

// The cursor must hand only entries of letters to the fast form, including when a word shares
// its start with a word before it that held a mark.
TEST(LetterPatternTest, CursorAgreesWithAPlainScanOverEntriesWithMarks) {
  Generator generator(7);
  std::vector<std::string> entries;
  for (int n = 0; n < 3000; ++n) entries.push_back(generator.Entry(n % 3 != 0));
  std::sort(entries.begin(), entries.end(), [](const std::string& a, const std::string& b) {
    return CompareWordStrings(a, b) < 0;
  });
  entries.erase(std::unique(entries.begin(), entries.end()), entries.end());
  TempFolder folder;
  const std::string path = WriteLexicon(folder / "random.lex", entries);
  const std::string bytes = ReadWholeFile(path);
  const std::vector<std::string> stored = DecodeAll(bytes);
  ASSERT_GT(stored.size(), 2000u);

  const auto cursor = OpenCursor(CursorMode::kImage, bytes, path);
  int searched = 0;
  size_t found = 0;
  for (int n = 0; n < 600; ++n) {
    const std::string pattern = generator.Pattern();
    const auto matcher = Compiled(pattern);
    if (!matcher || pattern == "*") continue;
    ++searched;
    const bool caseSensitive = n % 2 == 0;
    matcher->SetCaseSensitive(caseSensitive);
    // The lengths the cursor walks: from the pattern's least, and only that one without a '*'.
    const int32_t shortest = std::max(1, matcher->MinLength());
    std::vector<std::string> expected;
    for (const std::string& word : stored) {
      const int32_t letters = CountLetters(word.c_str());
      if (letters < shortest) continue;
      if (matcher->SegmentCount() == 1 && letters != matcher->MinLength()) continue;
      if (matcher->Match(Framed(word).c_str())) expected.push_back(word);
    }
    cursor->Matcher().SetCaseSensitive(caseSensitive);
    const Found actual = FindAll(*cursor, pattern);
    ASSERT_EQ(actual, (Found{expected, Dictionary::kNoMoreWords}))
        << "pattern " << pattern << " case " << caseSensitive;
    found += expected.size();
  }
  EXPECT_GT(searched, 250);
  EXPECT_GT(found, 5000u);
}

}  // namespace
