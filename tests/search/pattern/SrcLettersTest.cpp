#include "search/pattern/SrcLetters.h"

#include <gtest/gtest.h>

#include <string>

namespace {

SrcLetters From(const std::string& text) {
  SrcLetters letters;
  letters.Set(text);
  return letters;
}

uint32_t Try(SrcLetters& letters, const std::string& word) {
  return letters.TryWord((word + "@").c_str(), '@');
}

TEST(SrcLettersTest, LowerCaseLettersCountOnce) {
  SrcLetters letters = From("aab");
  EXPECT_EQ(letters.Count('a'), 2);
  EXPECT_EQ(letters.Count('b'), 1);
  EXPECT_EQ(letters.Total(), 3u);
  EXPECT_EQ(letters.Vowels(), 2u);
  EXPECT_EQ(Try(letters, "aba"), 0u);
  EXPECT_EQ(letters.WorkTotal(), 0u);
  EXPECT_EQ(Try(letters, "abb"), 3u);
  EXPECT_EQ(Try(letters, "bbc"), 2u);
  EXPECT_EQ(Try(letters, "c"), 1u);
  EXPECT_EQ(letters.Count('a'), 2);  // trying words never touches the base counts
}

TEST(SrcLettersTest, UpperCaseIsUnlimitedAndBlanksStandIn) {
  SrcLetters letters = From("aB?");
  EXPECT_EQ(letters.Count('a'), 1);
  EXPECT_EQ(letters.Count('b'), SrcLetters::kUnlimited);
  EXPECT_EQ(letters.Count('?'), 1);
  EXPECT_EQ(letters.Total(), SrcLetters::kUnlimitedTotal);
  EXPECT_EQ(letters.Vowels(), 2u);  // the a and the blank
  EXPECT_EQ(Try(letters, "bbbbbc"), 0u);  // the c from the blank
  EXPECT_EQ(letters.WorkTotal(), SrcLetters::kUnlimitedTotal);
  EXPECT_EQ(Try(letters, "cc"), 2u);

  // An upper-case letter makes earlier lower-case ones unlimited; later ones add nothing.
  SrcLetters mixed = From("aaAa");
  EXPECT_EQ(mixed.Count('a'), SrcLetters::kUnlimited);
  EXPECT_EQ(Try(mixed, "aaaaaaaa"), 0u);
}

TEST(SrcLettersTest, MarksArePassedOverButCountInPositions) {
  SrcLetters enough = From("dnot");
  EXPECT_EQ(Try(enough, "don't"), 0u);
  SrcLetters short_ = From("dno");
  EXPECT_EQ(Try(short_, "don't"), 5u);  // the t, counting the apostrophe
}

TEST(SrcLettersTest, AccentedLettersShareTheirBaseLetter) {
  SrcLetters letters = From("\xE9t\xE9");  // e acute twice
  EXPECT_EQ(letters.Count('e'), 2);
  EXPECT_EQ(letters.Count('\xC9'), 2);
  EXPECT_EQ(Try(letters, "tee"), 0u);
  EXPECT_EQ(Try(letters, "t\xE9" "e"), 0u);
  EXPECT_EQ(Try(letters, "eee"), 3u);
  EXPECT_EQ(From("1 -,x").Total(), 1u);  // everything but letters and '?' is ignored
}

TEST(SrcLettersTest, PatternLettersSkipBracketsNegationsAndBlanks) {
  SrcLetters letters;
  letters.AddPatternLetters("a^b[cd]E?");
  EXPECT_EQ(letters.Count('a'), 1);
  EXPECT_EQ(letters.Count('e'), 1);  // lower-cased, so counted once
  EXPECT_EQ(letters.Total(), 2u);
  EXPECT_EQ(letters.Count('b') + letters.Count('c') + letters.Count('d') + letters.Count('?'), 0);

  SrcLetters afterNegatedSet;
  afterNegatedSet.AddPatternLetters("^[ab]c");  // the '^' negates the set, not the c
  EXPECT_EQ(afterNegatedSet.Count('c'), 1);
  EXPECT_EQ(afterNegatedSet.Total(), 1u);
}

TEST(SrcLettersTest, TakeFallsBackToABlank) {
  SrcLetters letters = From("ab?");
  EXPECT_TRUE(letters.Take('a'));
  EXPECT_EQ(letters.Count('a'), 0);
  EXPECT_EQ(letters.Total(), 2u);
  EXPECT_EQ(letters.Vowels(), 1u);  // the blank's
  EXPECT_TRUE(letters.Take('a'));   // from the blank
  EXPECT_EQ(letters.Count('?'), 0);
  EXPECT_EQ(letters.Vowels(), 0u);
  EXPECT_FALSE(letters.Take('a'));
  EXPECT_TRUE(letters.Take('-'));  // not a letter: nothing to take
  EXPECT_EQ(letters.Total(), 1u);

  SrcLetters unlimited = From("A?");
  EXPECT_TRUE(unlimited.Take('a'));
  EXPECT_EQ(unlimited.Count('a'), SrcLetters::kUnlimited);
  EXPECT_TRUE(unlimited.Take('z'));  // from the blank; the pool stays unlimited
  EXPECT_EQ(unlimited.Total(), SrcLetters::kUnlimitedTotal);

  SrcLetters few = From("abc");
  few.TakeLetters("cx?a");
  EXPECT_EQ(few.Count('b'), 1);
  EXPECT_EQ(few.Total(), 1u);
}

TEST(SrcLettersTest, RemainingLettersStartTheNextPool) {
  SrcLetters letters = From("aabt");
  ASSERT_EQ(Try(letters, "at"), 0u);
  SrcLetters rest = SrcLetters::FromRemaining(letters);
  EXPECT_EQ(rest.Count('a'), 1);
  EXPECT_EQ(rest.Count('t'), 0);
  EXPECT_EQ(rest.Total(), 2u);
  EXPECT_EQ(rest.Vowels(), 1u);
  EXPECT_EQ(Try(rest, "ba"), 0u);

  SrcLetters copy = letters;
  EXPECT_EQ(copy.Count('a'), 2);
  EXPECT_EQ(copy.Total(), 4u);
}

// A count of 255 means unlimited, so finite counts stop below it; and a vowel drawn from an
// unlimited letter spends no vowel, so the vowel count cannot wrap round.
TEST(SrcLettersTest, CountsNeitherBecomeUnlimitedNorWrap) {
  SrcLetters many = From(std::string(300, 'a') + std::string(300, '?'));
  EXPECT_EQ(many.Count('a'), SrcLetters::kUnlimited - 1);
  EXPECT_EQ(many.Count('?'), SrcLetters::kUnlimited - 1);
  EXPECT_LT(many.Total(), SrcLetters::kUnlimitedTotal);
  EXPECT_EQ(Try(many, std::string(30, 'a')), 0u);
  EXPECT_LT(many.WorkTotal(), many.Total());

  SrcLetters unlimitedVowel = From("A");
  EXPECT_EQ(unlimitedVowel.Vowels(), 1u);
  EXPECT_EQ(Try(unlimitedVowel, "aa"), 0u);
  EXPECT_EQ(unlimitedVowel.WorkVowels(), 1u);

  SrcLetters finite = From("ae?");
  EXPECT_EQ(Try(finite, "eau"), 0u);  // the u from the blank
  EXPECT_EQ(finite.WorkVowels(), 0u);
}

}  // namespace
