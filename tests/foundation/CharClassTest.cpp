#include "foundation/CharClass.h"

#include <gtest/gtest.h>

#include <string>

namespace {

int Valid(const std::string& word) { return ValidWordLength(word.c_str()); }
int Compare(const std::string& a, const std::string& b) { return CompareWords(a.c_str(), b.c_str()); }

TEST(CharClassTest, ClassesOfLettersMarksAndOthers) {
  EXPECT_EQ(CharClass['b'], 0x33);
  EXPECT_EQ(CharClass['Y'], 0x6B);
  EXPECT_EQ(CharClass['-'], 0x85);
  EXPECT_EQ(CharClass['\''], 0x05);
  EXPECT_EQ(CharClass[0xC9], 0x69);  // E acute
  EXPECT_EQ(CharClass[0xF1], 0x31);  // n tilde
  for (int notLetter : {0x8A, 0x8C, 0x8E, 0x9A, 0x9C, 0x9E, 0xD7, 0xD8, 0xDE, 0xDF, 0xF7, 0xF8, 0xFE})
    EXPECT_EQ(CharClass[notLetter], 0) << notLetter;
  for (char meta : std::string("!*0123456789?[]^")) EXPECT_EQ(ClassOf(meta), 0x80) << meta;
}

TEST(CharClassTest, FoldTablesAndLetterIndex) {
  EXPECT_EQ(FoldInsensitive['Q'], 'q');
  EXPECT_EQ(FoldInsensitive[0xC7], 'c');
  EXPECT_EQ(FoldSensitive[0xC7], 'C');
  EXPECT_EQ(FoldSensitive[0xE7], 'c');
  EXPECT_EQ(FoldSensitive['Q'], 'Q');
  EXPECT_EQ(FoldInsensitive[0x9F], 'y');
  EXPECT_EQ(FoldSensitive[0x9F], 'Y');
  EXPECT_EQ(FoldInsensitive[0xDF], 0xDF);
  EXPECT_EQ(LetterIndex['a'], 0);
  EXPECT_EQ(LetterIndex[0xD0], 3);  // eth folds to d
  EXPECT_EQ(LetterIndex['?'], 26);
  EXPECT_EQ(LetterIndex['-'], 255);
  // Every letter has an index and a lower-case fold within a-z.
  for (int c = 0; c < 256; ++c) {
    if (!(CharClass[c] & kLetter)) continue;
    EXPECT_LT(LetterIndex[c], 26) << c;
    EXPECT_EQ(FoldInsensitive[c], 'a' + LetterIndex[c]) << c;
  }
}

TEST(CharClassTest, ValidWordLengthLimits) {
  EXPECT_EQ(Valid("don't"), 4);
  EXPECT_EQ(Valid("'tis"), 0);
  EXPECT_EQ(Valid("abc-"), 0);
  EXPECT_EQ(Valid(""), 0);
  EXPECT_EQ(Valid("a-b-c-d-e-f-g-h"), 8);   // 7 marks
  EXPECT_EQ(Valid("a-b-c-d-e-f-g-h-i"), 0); // 8 marks
  EXPECT_EQ(Valid(std::string(30, 'x')), 30);
  EXPECT_EQ(Valid(std::string(31, 'x')), 0);
  EXPECT_EQ(Valid("a1b"), 0);
  EXPECT_EQ(Valid("stra\xDF" "e"), 0);
  EXPECT_EQ(Valid("\xF8re"), 0);
  EXPECT_EQ(CountMarks("a\xDF"), -1);
  EXPECT_EQ(Valid("caf\xE9"), 4);
}

TEST(CharClassTest, CleanWordTrimsAndCountsLetters) {
  char line[] = "  ice cream  ";
  int letters = -1;
  char* word = CleanWord(line, &letters);
  ASSERT_NE(word, nullptr);
  EXPECT_STREQ(word, "ice cream");
  EXPECT_EQ(letters, 8);

  char blanks[] = "    ";
  EXPECT_EQ(CleanWord(blanks, &letters), nullptr);
  EXPECT_EQ(letters, 0);
}

TEST(CharClassTest, CompareWordsOrder) {
  EXPECT_EQ(Compare("Apple", "apple"), 0);
  EXPECT_EQ(Compare("\xC0pple", "apple"), 0);
  EXPECT_LT(Compare("ab", "abc"), 0);
  EXPECT_LT(Compare("ab", "ab\xE9"), 0);
  EXPECT_GT(Compare("abc", "ab"), 0);
  EXPECT_EQ(Compare("a-b", "ab"), -1);
  EXPECT_EQ(Compare("ab", "a-b"), 1);
  EXPECT_LT(Compare("a b", "a'b"), 0);  // space below apostrophe once a mark was skipped
  EXPECT_LT(Compare("a-b", "a.b"), 0);
  EXPECT_LT(CompareWordStrings("zz", "aaa"), 0);
  EXPECT_GT(CompareWordStrings("ice cream", "icecrea"), 0);
}

TEST(CharClassTest, CaseChangesOfLetters) {
  EXPECT_EQ(LowerCaseLetter('Q'), 'q');
  EXPECT_EQ(LowerCaseLetter('\xC9'), '\xE9');
  EXPECT_EQ(LowerCaseLetter('\x9F'), '\xFF');  // Y diaeresis sits apart from its lower case
  EXPECT_EQ(LowerCaseLetter('?'), '?');
  EXPECT_EQ(LowerCaseLetter('\xDE'), '\xDE');  // thorn is no letter here
  EXPECT_EQ(UpperCaseLetter('q'), 'Q');
  EXPECT_EQ(UpperCaseLetter('\xFF'), '\x9F');
  EXPECT_EQ(UpperCaseLetter('\xF8'), '\xF8');
  for (int c = 0; c < 256; ++c) {
    if (!(CharClass[c] & kUpper)) continue;
    EXPECT_EQ(UpperCaseLetter(LowerCaseLetter(char(c))), char(c)) << c;
  }
}

}  // namespace
