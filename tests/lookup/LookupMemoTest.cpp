#include "lookup/LookupMemo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LookupMemoTest, AsksOnceForEachDistinctCall) {
  LookupMemo memo;
  int asked = 0;
  const auto text = [&asked](const char* answer, int senses) {
    return [&asked, answer, senses] {
      ++asked;
      return LookupMemo::Text{answer, senses};
    };
  };
  EXPECT_EQ(memo.Search("cat", 1, 31, text("feline", 8)).text, "feline");
  EXPECT_EQ(memo.Search("cat", 1, 31, text("wrong", 0)).printedSenses, 8);
  // Part of speech, search type and the word's every byte each make a call of its own.
  EXPECT_EQ(memo.Search("cat", 2, 31, text("verb", 2)).text, "verb");
  EXPECT_EQ(memo.Search("cat", 1, 2, text("hypernyms", 0)).text, "hypernyms");
  EXPECT_EQ(memo.Search(std::string("cat\0\1", 5), 31, 1, text("other", 0)).text, "other");
  EXPECT_EQ(asked, 4);

  int defined = 0;
  const auto mask = [&defined] { return static_cast<uint32_t>(++defined); };
  EXPECT_EQ(memo.Defined("cat", 1, mask), 1u);
  EXPECT_EQ(memo.Defined("cat", 1, mask), 1u);
  EXPECT_EQ(memo.Defined("cat", 2, mask), 2u);
}

TEST(LookupMemoTest, PastItsBudgetItForgetsAndAsksAgain) {
  LookupMemo memo(1000);
  int asked = 0;
  const auto big = [&asked] {
    ++asked;
    return LookupMemo::Text{std::string(600, 'x'), 1};
  };
  memo.Search("a", 1, 31, big);
  memo.Search("b", 1, 31, big);  // over budget: "a" is forgotten
  EXPECT_LE(memo.Bytes(), 1000u);
  EXPECT_EQ(memo.Search("b", 1, 31, big).text.size(), 600u);
  EXPECT_EQ(asked, 2);
  memo.Search("a", 1, 31, big);
  EXPECT_EQ(asked, 3);
}

}  // namespace
