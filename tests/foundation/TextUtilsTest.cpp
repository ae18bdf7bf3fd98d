#include <gtest/gtest.h>

#include "foundation/TextUtils.h"

TEST(TextUtilsTest, TrimStringByMode) {
  std::string text = "  ab c  ";
  EXPECT_EQ(TrimString(text, ' ', 0), "ab c  ");
  text = "  ab c  ";
  EXPECT_EQ(TrimString(text, ' ', 1), "  ab c");
  text = "  ab c  ";
  EXPECT_EQ(TrimString(text, ' ', 2), "ab c");
  EXPECT_EQ(text, "ab c");  // changed in place
  std::string blanks = "    ";
  EXPECT_EQ(TrimString(blanks, ' ', 2), "");
  std::string empty;
  EXPECT_EQ(TrimString(empty, ' ', 2), "");
  std::string dashes = "--x-";
  EXPECT_EQ(TrimString(dashes, '-', 2), "x");
}

TEST(TextUtilsTest, LowerCaseStringFollowsTheCharacterTable) {
  EXPECT_EQ(LowerCaseString("\xC0" "B\xC7"), "\xE0" "b\xE7");
  EXPECT_EQ(LowerCaseString("\x9F"), "\xFF");
  EXPECT_EQ(LowerCaseString("\xD0\xD9\xDD"), "\xF0\xF9\xFD");
  // Sharp s, multiplication sign, O stroke, thorn and the capitals of 0x80-0x9E stay.
  const std::string unchanged = "\xDF\xD7\xD8\xDE\x8A\x8C\x8E";
  EXPECT_EQ(LowerCaseString(unchanged), unchanged);
  EXPECT_EQ(LowerCaseString("Hello, World-1!"), "hello, world-1!");
}

TEST(TextUtilsTest, FilterCharClassKeepsLettersInOrder) {
  EXPECT_EQ(FilterCharClass("a-b'c \xE9" "1?Z"), "abc\xE9Z");
  EXPECT_EQ(FilterCharClass("\xD7\xDF 42"), "");
}

TEST(TextUtilsTest, CountCharAndWildcards) {
  EXPECT_EQ(CountChar(nullptr, 'a'), 0);
  EXPECT_EQ(CountChar("banana", 'a'), 3);
  EXPECT_EQ(CountChar("", 'a'), 0);
  EXPECT_TRUE(IsAllWildcards(""));
  EXPECT_TRUE(IsAllWildcards("* ! *"));
  EXPECT_FALSE(IsAllWildcards("*a"));
  EXPECT_FALSE(IsAllWildcards("?"));
}
