#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

#include "search/pattern/RegExp.h"

namespace {

bool Matches(const std::string& pattern, const std::string& entry, bool caseSensitive = false) {
  RegExp matcher(pattern);
  matcher.SetCaseSensitive(caseSensitive);
  return matcher.Match(("&" + entry + "@").c_str());
}

TEST(RegExpMatchTest, CaseFlagDecidesCaseButAccentsAlwaysFold) {
  EXPECT_TRUE(Matches("abc", "ABC"));
  EXPECT_FALSE(Matches("abc", "ABC", true));
  EXPECT_TRUE(Matches("ABC", "ABC", true));
  for (bool sensitive : {false, true}) {
    EXPECT_TRUE(Matches("cafe", "caf\xE9", sensitive));         // e acute
    EXPECT_TRUE(Matches("[x]cafe", "xcaf\xE9", sensitive));     // the node form folds alike
    EXPECT_TRUE(Matches("nino", "ni\xF1o", sensitive));         // n tilde
  }
  EXPECT_FALSE(Matches("Cafe", "caf\xE9", true));
  EXPECT_TRUE(Matches("Cafe", "\xC7" "af\xE9", true));  // C cedilla keeps its upper case
}

TEST(RegExpMatchTest, StarStaysInsideOneWord) {
  EXPECT_TRUE(Matches("ab*", "abc"));
  EXPECT_TRUE(Matches("ab*", "ab"));
  EXPECT_FALSE(Matches("ab*", "abc de"));
  EXPECT_TRUE(Matches("ab* de", "abc de"));
  EXPECT_FALSE(Matches("ab* de", "abc xy de"));
  EXPECT_TRUE(Matches("a*b*c", "axbyc"));
  EXPECT_TRUE(Matches("*ab*ab", "xabyab"));
  EXPECT_FALSE(Matches("*ab*ab", "xab"));
  EXPECT_TRUE(Matches("*", "anything"));
  EXPECT_FALSE(Matches("*", "ice cream"));  // the lexicon cursor lets "*" take every entry
  EXPECT_TRUE(Matches("* *", "ice cream"));
  EXPECT_FALSE(Matches("*c", "ab c"));  // the last word would need to end the first one
  EXPECT_TRUE(Matches("* c", "ab c"));
}

TEST(RegExpMatchTest, MarksAreInvisibleAndHyphensOptional) {
  EXPECT_TRUE(Matches("dont", "don't"));
  EXPECT_TRUE(Matches("ab", "a.b"));
  EXPECT_TRUE(Matches("ab", "a,b"));
  EXPECT_TRUE(Matches("well known", "well-known"));
  EXPECT_TRUE(Matches("wellknown", "well-known"));
  EXPECT_TRUE(Matches("[w]ell known", "well-known"));
  EXPECT_TRUE(Matches("[w]ellknown", "well-known"));
  EXPECT_TRUE(Matches("ice cream", "ice cream"));
  EXPECT_FALSE(Matches("icecream", "ice cream"));  // a space of the entry is never skipped
  EXPECT_TRUE(Matches("??", "a-b"));               // '?' waits over a hyphen
  EXPECT_TRUE(Matches("[a]?", "a-b"));
}

TEST(RegExpMatchTest, TextAndNodeFormsDifferWhereDocumented) {
  // After the first element, the text form's '?' takes any character, a space included.
  EXPECT_TRUE(Matches("a?c", "a c"));
  EXPECT_FALSE(Matches("[a]?c", "a c"));
  EXPECT_FALSE(Matches("?bc", " bc"));  // a leading '?' never takes a space
}

TEST(RegExpMatchTest, SetsRangesNegationRepeatsAndEscapes) {
  EXPECT_TRUE(Matches("[aeiou]x", "ex"));
  EXPECT_FALSE(Matches("[aeiou]x", "bx"));
  EXPECT_TRUE(Matches("^[aeiou]x", "bx"));
  EXPECT_FALSE(Matches("^[aeiou]x", "ax"));
  EXPECT_TRUE(Matches("^abc", "xbc"));
  EXPECT_FALSE(Matches("^abc", "abc"));
  EXPECT_TRUE(Matches("[a-e]x", "cx"));
  EXPECT_FALSE(Matches("[a-e]x", "fx"));
  EXPECT_TRUE(Matches("^[a-e]x", "fx"));
  EXPECT_TRUE(Matches("[a-c]x", "Bx"));          // case-blind range compares upper cases
  EXPECT_FALSE(Matches("[a-c]x", "Bx", true));   // case-sensitive range compares bytes
  EXPECT_FALSE(Matches("[a-c]x", "\xE1x"));      // ranges do not fold accents
  EXPECT_TRUE(Matches("[A]bc", "abc", true));    // set members are always case-blind
  EXPECT_FALSE(Matches("[x]Bc", "xbc", true));   // plain literals follow the case flag
  EXPECT_TRUE(Matches("3[ab]", "aba"));
  EXPECT_FALSE(Matches("3[ab]", "abab"));
  EXPECT_FALSE(Matches("3[ab]", "ab"));
  EXPECT_TRUE(Matches("[x]2?y", "xaby"));
  EXPECT_TRUE(Matches("\\a\\b", "ab"));
}

TEST(RegExpMatchTest, MultiWordEntries) {
  EXPECT_TRUE(Matches("rock n roll", "rock-n-roll"));
  EXPECT_FALSE(Matches("rock* roll", "rock n roll"));
  EXPECT_TRUE(Matches("ice *", "ice cream"));
  EXPECT_TRUE(Matches("[i]ce *", "ice cream"));
  EXPECT_FALSE(Matches("ice", "ice cream"));
}

// A pattern may use up the entry's '@' itself; the next segment then meets the terminating NUL,
// and nothing behind it may be read or matched.
TEST(RegExpMatchTest, MatchingNeverReadsPastTheEntry) {
  const struct {
    const char* pattern;
    const char* entry;
  } cases[] = {
      {"ab@*?", "ab"},  {"[a]^x*?", "a"},   {"ab@*z", "ab"},  {"[a]^x*z", "a"},
      {"a@*?*?", "a"},  {"[a]^x*[z]", "a"}, {"a@ *", "a"},     {"[a]@?", "a"},
      {"^[b]*^[b]", "a"}, {"a@@", "a"},     {"[a]3^x", "a"},
  };
  for (const auto& c : cases) {
    const std::string framed = std::string("&") + c.entry + "@";
    // Exactly sized, so that AddressSanitizer sees any read past the NUL.
    auto exact = std::make_unique<char[]>(framed.size() + 1);
    std::memcpy(exact.get(), framed.c_str(), framed.size() + 1);
    // Padded with letters a runaway scan would happily match.
    std::string padded = framed + '\0' + std::string(64, 'z');

    RegExp matcher(c.pattern);
    EXPECT_FALSE(matcher.Match(exact.get())) << c.pattern;
    EXPECT_FALSE(matcher.Match(padded.c_str())) << c.pattern;
  }
}

}  // namespace
