// Generated patterns, fixed seeds. Over words of the letters a-z only, patterns whose meaning a
// regular expression states exactly must agree with std::regex; arbitrary patterns over arbitrary
// entries must merely compile or be refused, and never read past the entry.

#include <gtest/gtest.h>

#include <cstring>
#include <fstream>
#include <memory>
#include <random>
#include <regex>
#include <string>
#include <vector>

#include "search/pattern/RegExp.h"

namespace {

std::vector<std::string> PlainWords(size_t every) {
  std::ifstream in("/usr/share/dict/american-english");
  std::vector<std::string> words;
  size_t seen = 0;
  for (std::string line; std::getline(in, line);) {
    if (line.empty() || line.size() > 12) continue;
    if (line.find_first_not_of("abcdefghijklmnopqrstuvwxyz") != std::string::npos) continue;
    if (seen++ % every == 0) words.push_back(line);
  }
  return words;
}

// One pattern and the regular expression that states its meaning over plain lower-case words.
struct Generated {
  std::string pattern;
  std::string regex;
};

class PatternGenerator {
 public:
  explicit PatternGenerator(unsigned seed) : random(seed) {}

  Generated Next() {
    Generated out;
    const int elements = Pick(1, 5);
    bool lastWasStar = false;
    for (int e = 0; e < elements; ++e) {
      if (!lastWasStar && Pick(0, 3) == 0) {
        out.pattern += '*';
        out.regex += "[a-z]*";
        lastWasStar = true;
        continue;
      }
      lastWasStar = false;
      std::string pattern;
      std::string regex;
      Element(pattern, regex);
      if (Pick(0, 6) == 0) {
        const int times = Pick(2, 3);
        out.pattern += std::to_string(times) + pattern;
        out.regex += "(?:" + regex + "){" + std::to_string(times) + "}";
      } else {
        out.pattern += pattern;
        out.regex += regex;
      }
    }
    // Without brackets, '^' or '\' the text form reads digits as plain characters.
    if (out.pattern.find_first_of("[]^\\") == std::string::npos) out.regex = Literal(out.pattern);
    return out;
  }

 private:
  int Pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }
  char Letter() { return "aeinorstlcdmpbu"[Pick(0, 14)]; }

  void Element(std::string& pattern, std::string& regex) {
    switch (Pick(0, 7)) {
      case 0:
      case 1:
      case 2: {
        const char c = Letter();
        pattern = c;
        regex = c;
        return;
      }
      case 3:
        pattern = "?";
        regex = "[a-z]";
        return;
      case 4: {
        std::string members;
        for (int n = Pick(1, 3); n > 0; --n) members += Letter();
        const bool negate = Pick(0, 2) == 0;
        pattern = (negate ? "^[" : "[") + members + "]";
        regex = (negate ? "[^" : "[") + members + "]";
        return;
      }
      case 5: {
        const char lo = static_cast<char>('a' + Pick(0, 20));
        const char hi = static_cast<char>(lo + Pick(0, 5));
        const bool negate = Pick(0, 2) == 0;
        pattern = std::string(negate ? "^[" : "[") + lo + "-" + hi + "]";
        regex = std::string(negate ? "[^" : "[") + lo + "-" + hi + "]";
        return;
      }
      case 6: {
        const char c = Letter();
        pattern = std::string("^") + c;
        regex = std::string("[^") + c + "]";
        return;
      }
      default: {
        const char c = Letter();
        pattern = std::string("\\") + c;
        regex = c;
        return;
      }
    }
  }

  // The text form: letters and digits stand for themselves, '?' for a letter, '*' for a run.
  static std::string Literal(const std::string& pattern) {
    std::string regex;
    for (char c : pattern) {
      if (c == '?') {
        regex += "[a-z]";
      } else if (c == '*') {
        regex += "[a-z]*";
      } else {
        regex += c;
      }
    }
    return regex;
  }

  std::mt19937 random;
};

TEST(RegExpRandomTest, AgreesWithRegularExpressionsOverPlainWords) {
  const std::vector<std::string> words = PlainWords(40);
  ASSERT_GT(words.size(), 500u);
  PatternGenerator generator(20240611);
  size_t matches = 0;
  for (int n = 0; n < 1000; ++n) {
    const Generated g = generator.Next();
    RegExp matcher(g.pattern);
    matcher.SetCaseSensitive(n % 2 == 0);
    const std::regex expected(g.regex, std::regex::ECMAScript | std::regex::optimize);
    for (const std::string& word : words) {
      const bool ours = matcher.Match(("&" + word + "@").c_str());
      ASSERT_EQ(ours, std::regex_match(word, expected))
          << "pattern " << g.pattern << " regex " << g.regex << " word " << word;
      matches += ours;
    }
  }
  EXPECT_GT(matches, 2000u);  // the patterns are not all too narrow to tell anything
}

// Entries as lexicons hold them: words and phrases with every kind of mark and accented letters.
const char* const kEntries[] = {
    "a",         "I",          "an",          "don't",   "ice cream",  "well-known",
    "rock-n-roll", "a.b",      "St. John's",  "caf\xE9", "\xC9" "cole", "ni\xF1o",
    "aardvark",  "xylophones", "jack-in-the-box", "o'clock", "Ab,c",   "zz",
};

TEST(RegExpRandomTest, ArbitraryPatternsStayInsideTheEntry) {
  static const char kAlphabet[] = "abcez?*[]^\\- 0139@&'.,\xE9\xC9";
  std::mt19937 random(7);
  std::uniform_int_distribution<size_t> pickChar(0, sizeof kAlphabet - 2);
  std::uniform_int_distribution<int> pickLength(0, 14);
  int compiled = 0;
  for (int n = 0; n < 6000; ++n) {
    std::string pattern;
    for (int length = pickLength(random); length > 0; --length) pattern += kAlphabet[pickChar(random)];
    std::unique_ptr<RegExp> matcher;
    try {
      matcher = std::make_unique<RegExp>(pattern);
    } catch (const RegExpException& error) {
      EXPECT_GE(error.code, 1);
      EXPECT_LE(error.code, 7);
      continue;
    }
    ++compiled;
    matcher->SetCaseSensitive(n % 3 == 0);
    for (const char* entry : kEntries) {
      const std::string framed = std::string("&") + entry + "@";
      auto exact = std::make_unique<char[]>(framed.size() + 1);
      std::memcpy(exact.get(), framed.c_str(), framed.size() + 1);
      const std::string padded = framed + '\0' + "zzzzzzzzzzzzzzzzzzzzzzzzzzzzzz@@@@";
      ASSERT_EQ(matcher->Match(exact.get()), matcher->Match(padded.c_str()))
          << "pattern " << pattern << " entry " << entry;
    }
  }
  EXPECT_GT(compiled, 2000);
}

}  // namespace
