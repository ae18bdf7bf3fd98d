#include "search/request/SearchData.h"

#include <gtest/gtest.h>

#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "support/TestSettings.h"

namespace {

class SearchDataTest : public ::testing::Test {
 protected:
  SearchDataTest() : scope(host) {}

  // The one box shown since the last call, or fails.
  MessageRequest OnlyBox() {
    const auto boxes = host.Boxes();
    host.Clear();
    EXPECT_EQ(boxes.size(), 1u);
    return boxes.empty() ? MessageRequest{} : boxes.front();
  }

  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope;
  VirtualLexList lexicons;
  SearchData request{lexicons};
};

TEST_F(SearchDataTest, FindIsTrimmedCollapsedAndMarksMultiWord) {
  EXPECT_TRUE(request.SetFind("  ab   c  "));
  EXPECT_EQ(request.find, "ab c");
  EXPECT_EQ(request.multiWord, 1);
  request.SetFind("abc");
  EXPECT_EQ(request.multiWord, 0);
  request.SetFind("ab!");
  EXPECT_EQ(request.multiWord, 1);
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(SearchDataTest, DigitRunsBecomeBlanksUnlessTheyMultiplyABracket) {
  const std::pair<const char*, std::string> cases[] = {
      {"a5b", "a?????b"},
      {"12[ab]", std::string(12, '?') + "[ab]"},
      {"3[ab]", "3[ab]"},
      {"[a5]", "[a5]"},
      {"a0b", "ab"},
      {"\\[5", "\\[?????"},
      {"a12345678901b", "a" + std::string(31, '?') + "b"},  // no unbounded request
  };
  for (const auto& [typed, normalised] : cases) {
    request.SetFind(typed);
    EXPECT_EQ(request.find, normalised) << typed;
  }
}

TEST_F(SearchDataTest, MarksOutsideBracketsAreNormalised) {
  request.SetFind("rock-n-roll");
  EXPECT_EQ(request.find, "rock n roll");
  EXPECT_EQ(request.multiWord, 1);
  request.SetFind("don't");
  EXPECT_EQ(request.find, "dont");
  request.SetFind("[a-c]x");
  EXPECT_EQ(request.find, "[a-c]x");
}

TEST_F(SearchDataTest, TextAfterBangIsDroppedOnOkAndRefusedOnCancel) {
  host.QueueAnswer(IDOK);
  EXPECT_TRUE(request.SetFind("ab!cd"));
  EXPECT_EQ(request.find, "ab!");
  const MessageRequest box = OnlyBox();
  EXPECT_EQ(box.caption, "Invalid Pattern Warning");
  EXPECT_EQ(box.flags, MB_OKCANCEL | MB_ICONQUESTION);
  EXPECT_NE(box.text.find("ignore any part of the FIND pattern"), std::string::npos);

  host.QueueAnswer(IDCANCEL);
  EXPECT_FALSE(request.SetFind("ab!cd"));
  OnlyBox();
  EXPECT_TRUE(request.SetFind("ab!  "));  // nothing but blanks after it: no question
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(SearchDataTest, KeyWordsSplitIntoWordsAndQuotedPhrases) {
  EXPECT_TRUE(request.SetKeyWords("Red \"fire Engine\" blue"));
  EXPECT_EQ(request.keyWords, (std::vector<std::string>{" red", " fire engine", " blue"}));
  // Text right before an opening quote is kept as an item.
  EXPECT_TRUE(request.SetKeyWords("red\"fire engine\""));
  EXPECT_EQ(request.keyWords, (std::vector<std::string>{" red", " fire engine"}));
  EXPECT_TRUE(host.Boxes().empty());

  EXPECT_FALSE(request.SetKeyWords("\"open"));
  const MessageRequest box = OnlyBox();
  EXPECT_EQ(box.text, "Missing \" in Key Words field.");
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.flags, MB_OK | MB_ICONEXCLAMATION);
}

TEST_F(SearchDataTest, IncludeAndExcludeMayNotShareACharacter) {
  request.caseSensitive = 0;
  EXPECT_TRUE(request.SetInclude("a"));
  EXPECT_FALSE(request.SetExclude("A"));
  EXPECT_EQ(host.Beeps(), 1);
  const MessageRequest box = OnlyBox();
  EXPECT_EQ(box.caption, "Input Error");
  EXPECT_EQ(box.flags, MB_OK | MB_ICONSTOP);
  request.caseSensitive = 1;
  EXPECT_TRUE(request.SetExclude("A"));
}

TEST_F(SearchDataTest, FromIsLowerCasedUnlessLettersMayBeReused) {
  request.reuseFromLetters = 0;
  request.SetFrom("Abc");
  EXPECT_EQ(request.from, "abc");
  EXPECT_EQ(request.fromLetters.Total(), 3u);
  EXPECT_EQ(request.fromChanged, 1);
  request.reuseFromLetters = 1;
  request.SetFrom("Abc");
  EXPECT_EQ(request.from, "Abc");
  EXPECT_EQ(request.fromLetters.Count('a'), SrcLetters::kUnlimited);
}

TEST_F(SearchDataTest, ValidateReportsEachProblemAfterABeep) {
  struct Case {
    const char* find;
    const char* from;
    const char* message;  // empty: valid
  } cases[] = {
      {"", "", "You have not supplied a FIND pattern."},
      {"!", "", "When the ! Wildcard is used, you must supply an entry in the From field."},
      {"abc", "a?", "Your FIND includes letters not found in your FROM field."},
      {"ab?", "a?", ""},  // the blank supplies the b
      {"abb", "a?b", ""},
      {"^ab", "b", ""},
      {"[ab", "", "Closing Bracket Missing"},
  };
  for (const Case& c : cases) {
    host.Clear();
    request.SetFind(c.find);
    request.SetFrom(c.from);
    const bool valid = request.Validate();
    EXPECT_EQ(valid, c.message[0] == '\0') << c.find;
    if (valid) {
      EXPECT_TRUE(host.Boxes().empty()) << c.find;
      continue;
    }
    EXPECT_EQ(host.Beeps(), 1) << c.find;
    const MessageRequest box = OnlyBox();
    EXPECT_NE(box.text.find(c.message), std::string::npos) << c.find << ": " << box.text;
    if (box.caption == "Invalid Regular Expression") continue;
    EXPECT_EQ(box.caption, "Input Error") << c.find;
    EXPECT_EQ(box.flags, MB_OK | MB_ICONSTOP) << c.find;
  }
}

TEST_F(SearchDataTest, PatternErrorsAreShownAsInvalidRegularExpression) {
  request.SetFind("[ab");
  EXPECT_FALSE(request.Validate());
  const MessageRequest box = OnlyBox();
  EXPECT_EQ(box.caption, "Invalid Regular Expression");
  EXPECT_EQ(box.flags, MB_OK | MB_TASKMODAL);
}

TEST_F(SearchDataTest, PoolLeftForPhrasesKeepsBlanksAndSetMembers) {
  // The blank of FROM stands for the g of "dog"; FIND's own '?' is paid when "cat" is tried.
  request.SetFind("c?t *");
  request.SetFrom("catdo?");
  ASSERT_TRUE(request.Validate());
  EXPECT_EQ(request.fromLessFind.Total(), 4u);
  EXPECT_EQ(request.fromLessFind.Count('?'), 1);
  EXPECT_EQ(request.fromLessFind.Count('a'), 1);
  EXPECT_EQ(request.remainingFrom, "ado?");

  request.SetFind("[ab]?? *");
  request.SetFrom("abcdef");
  ASSERT_TRUE(request.Validate());
  EXPECT_EQ(request.fromLessFind.Total(), 6u);
}

}  // namespace
