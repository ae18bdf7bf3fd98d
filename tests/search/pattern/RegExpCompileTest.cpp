#include "search/pattern/RegExp.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"

namespace {

using Strings = std::vector<std::string>;

// The error code a pattern raises, or 0 when it compiles.
int ErrorOf(const std::string& pattern) {
  try {
    RegExp compiled(pattern);
    return 0;
  } catch (const RegExpException& error) {
    return error.code;
  }
}

std::vector<int> KindsOf(const std::vector<const AbstractMatch*>& segment) {
  std::vector<int> kinds;
  for (const AbstractMatch* node : segment) kinds.push_back(node->kind);
  return kinds;
}

TEST(RegExpCompileTest, PlainPatternsCompileToFramedTextSegments) {
  RegExp abc("abc");
  EXPECT_FALSE(abc.UsesNodes());
  EXPECT_EQ(abc.TextSegments(), Strings{"&abc@"});
  EXPECT_EQ(abc.MinLength(), 3);
  EXPECT_EQ(abc.SegmentCount(), 1);
  EXPECT_FALSE(abc.CaseSensitive());

  RegExp split("ab*c");
  EXPECT_EQ(split.TextSegments(), (Strings{"&ab", "c@"}));
  EXPECT_EQ(split.MinLength(), 3);
  EXPECT_EQ(split.SegmentCount(), 2);
  EXPECT_EQ(RegExp("*ab").TextSegments(), (Strings{"&", "ab@"}));
  // Runs of stars, and stars at either end, make no empty segment.
  EXPECT_EQ(RegExp("**a**b**").TextSegments(), (Strings{"&", "a", "b", "@"}));
  EXPECT_EQ(RegExp("*").TextSegments(), (Strings{"&", "@"}));

  EXPECT_EQ(RegExp("a b").MinLength(), 2);  // a separator takes no letter
  EXPECT_EQ(RegExp("a?c*").MinLength(), 3);
}

TEST(RegExpCompileTest, BracketsNegationAndEscapesCompileToNodes) {
  RegExp vowel("[aeiou]x");
  ASSERT_TRUE(vowel.UsesNodes());
  ASSERT_EQ(vowel.NodeSegments().size(), 1u);
  const auto& nodes = vowel.NodeSegments()[0];
  EXPECT_EQ(KindsOf(nodes), (std::vector<int>{AbstractMatch::kStartWord, AbstractMatch::kSet,
                                               AbstractMatch::kLiteral, AbstractMatch::kEndWord}));
  const auto* set = static_cast<const SetMatch*>(nodes[1]);
  ASSERT_EQ(set->members.size(), 5u);
  for (const auto& member : set->members) EXPECT_EQ(member->kind, AbstractMatch::kLiteral);
  EXPECT_EQ(vowel.MinLength(), 2);
  EXPECT_EQ(vowel.SegmentCount(), 1);

  RegExp range("[a-e]");
  EXPECT_EQ(range.NodeSegments()[0][1]->kind, AbstractMatch::kRange);
  RegExp escapedHyphen("[a\\-e]");
  const auto* escaped = static_cast<const SetMatch*>(escapedHyphen.NodeSegments()[0][1]);
  ASSERT_EQ(escaped->kind, AbstractMatch::kSet);
  EXPECT_EQ(escaped->members.size(), 3u);  // a, hyphen, e

  EXPECT_EQ(RegExp("^\\ ").MinLength(), 1);  // any one character but a space
  EXPECT_EQ(RegExp("a\\ b").MinLength(), 2);

  RegExp negated("^a");
  const auto& literal = negated.NodeSegments()[0][1];
  EXPECT_EQ(literal->kind, AbstractMatch::kLiteral);
  EXPECT_EQ(literal->negated, 1);

  // An escaped star is a literal and splits nothing; a space is a separator of no length.
  RegExp star("[x]a\\*b c");
  EXPECT_EQ(star.SegmentCount(), 1);
  EXPECT_EQ(star.MinLength(), 5);
}

TEST(RegExpCompileTest, RepeatsShareOneNodeAndCarryAcrossStars) {
  RegExp three("3[ab]");
  const auto& nodes = three.NodeSegments()[0];
  ASSERT_EQ(nodes.size(), 5u);
  EXPECT_EQ(nodes[1], nodes[2]);
  EXPECT_EQ(nodes[2], nodes[3]);
  EXPECT_EQ(three.MinLength(), 3);

  // A multiplier, or a '^', left at the end of a segment applies to the next one's first element.
  RegExp carried("[x]3*b");
  ASSERT_EQ(carried.NodeSegments().size(), 2u);
  EXPECT_EQ(KindsOf(carried.NodeSegments()[1]),
            (std::vector<int>{AbstractMatch::kLiteral, AbstractMatch::kLiteral,
                              AbstractMatch::kLiteral, AbstractMatch::kEndWord}));
  EXPECT_EQ(carried.MinLength(), 4);
  RegExp negation("[x]^*b");
  EXPECT_EQ(negation.NodeSegments()[1][0]->negated, 1);

  // A '0' repeats nothing: the element is dropped.
  RegExp none("0[ab]c");
  EXPECT_EQ(KindsOf(none.NodeSegments()[0]),
            (std::vector<int>{AbstractMatch::kStartWord, AbstractMatch::kLiteral,
                              AbstractMatch::kEndWord}));
  EXPECT_EQ(none.MinLength(), 1);
}

TEST(RegExpCompileTest, HugeRepeatCountsAreCutToMoreThanAnyWordHolds) {
  RegExp huge("99999999999999999999[ab]");
  ASSERT_EQ(huge.NodeSegments().size(), 1u);
  EXPECT_EQ(huge.NodeSegments()[0].size(), 2u + RegExp::kMaxMultiplier);
  EXPECT_EQ(huge.MinLength(), RegExp::kMaxMultiplier);
  EXPECT_GT(huge.MinLength(), MaxWordLength);
}

TEST(RegExpCompileTest, MalformedPatternsRaiseTheirCodes) {
  const struct {
    const char* pattern;
    int code;
  } cases[] = {
      {"[e-a]", 7},    {"[a-]", 3},   {"[ab-c]", 3},  {"[-ab]", 3},   {"[a-b-c]", 3},
      {"[abc", 2},     {"[a-c", 2},   {"ab]", 4},     {"^?", 1},      {"a^", 1},
      {"[^?x]", 1},    {"a^ b", 1},   {"[a^-c]", 1},  {"[^a]", 1},    {"[ab\\", 2},
      {"[a - c]", 0},  {"[^?]", 0},   {"^[ab]", 0},   {"[a[b-c]]", 0}, {"[^[bc]d]", 0},
      {"[]", 0},       {"\\]", 0},    {"[\\-]", 0},  {"[a-bc", 2},  {"[a-^", 2},
      {"[ab-^]", 1},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorOf(c.pattern), c.code) << c.pattern;
}

TEST(RegExpCompileTest, NestingDeeperThanTheLimitIsRefused) {
  const auto nested = [](int depth) {
    return std::string(depth, '[') + "a" + std::string(depth, ']');
  };
  EXPECT_EQ(ErrorOf(nested(RegExp::kMaxBracketDepth)), 0);
  EXPECT_EQ(ErrorOf(nested(RegExp::kMaxBracketDepth + 1)), RegExpException::kNestedSymbols);
  EXPECT_EQ(ErrorOf(std::string(100000, '[')), RegExpException::kNestedSymbols);
}

TEST(RegExpCompileTest, SetPatternStartsAfresh) {
  RegExp matcher("*");
  matcher.SetPattern("[ab]c*d");
  EXPECT_EQ(matcher.SegmentCount(), 2);
  matcher.SetPattern("abc");
  EXPECT_FALSE(matcher.UsesNodes());
  EXPECT_EQ(matcher.SegmentCount(), 1);  // nothing counted from earlier patterns
  EXPECT_TRUE(matcher.NodeSegments().empty());

  EXPECT_THROW(matcher.SetPattern("ab[c"), RegExpException);
  matcher.SetPattern("a?c");
  EXPECT_EQ(matcher.TextSegments(), Strings{"&a?c@"});
  EXPECT_TRUE(matcher.Match("&abc@"));
}

TEST(RegExpCompileTest, ExceptionCarriesItsMessageAndShowsItInABox) {
  EXPECT_STREQ(RegExpException::MessageOf(1), "Invalid use of negator: ^");
  EXPECT_STREQ(RegExpException::MessageOf(2), "Closing Bracket Missing: ]");
  EXPECT_STREQ(RegExpException::MessageOf(3), "Invalid Range: Use Format [a-z]");
  EXPECT_STREQ(RegExpException::MessageOf(4), "Opening Bracket Missing: [");
  EXPECT_STREQ(RegExpException::MessageOf(5), "Illegal use of Wildcard");
  EXPECT_STREQ(RegExpException::MessageOf(6), "Cannot use nested multi-char symbols");
  EXPECT_STREQ(RegExpException::MessageOf(7), "Range must be Lower-Upper Eg. [a-z] NOT [z-a]");
  EXPECT_STREQ(RegExpException::MessageOf(8), "Multiplier at End of Mask.");
  EXPECT_STREQ(RegExpException::MessageOf(0), "");

  ScriptedHost host;
  ScopedHost scope(host);
  try {
    RegExp bad("[z-a]");
    FAIL() << "compiled";
  } catch (const RegExpException& error) {
    EXPECT_STREQ(error.what(), "Range must be Lower-Upper Eg. [a-z] NOT [z-a]");
    error.Show();
  }
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Range must be Lower-Upper Eg. [a-z] NOT [z-a]");
  EXPECT_EQ(boxes[0].caption, "Invalid Regular Expression");
  EXPECT_EQ(boxes[0].flags, MB_OK | MB_TASKMODAL);
  EXPECT_EQ(host.Beeps(), 0);  // the beep belongs to whoever reports the pattern
}

}  // namespace
