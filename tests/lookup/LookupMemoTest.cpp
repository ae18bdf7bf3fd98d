#include "lookup/LookupMemo.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A library answer that counts how often it was asked for.
struct Asker {
  int asked = 0;
  auto Text(std::string text) {
    return [this, text] { return LookupMemo::Text{text, ++asked}; };
  }
};

TEST(LookupMemoTest, AsksOnceForEachDistinctCall) {
  LookupMemo memo;
  Asker library;
  EXPECT_EQ(memo.Search("cat", 1, 31, library.Text("feline")).text, "feline");
  EXPECT_EQ(memo.Search("cat", 1, 31, library.Text("asked again")).printedSenses, 1);
  // Part of speech, search type and every byte of the word make a call of its own.
  EXPECT_EQ(memo.Search("cat", 2, 31, library.Text("verb")).text, "verb");
  EXPECT_EQ(memo.Search("cat", 1, 2, library.Text("hypernyms")).text, "hypernyms");
  EXPECT_EQ(memo.Search(std::string("cat\0\1", 5), 31, 1, library.Text("other")).text, "other");
  EXPECT_EQ(library.asked, 4);

  uint32_t defined = 0;
  EXPECT_EQ(memo.Defined("cat", 1, [&defined] { return ++defined; }), 1u);
  EXPECT_EQ(memo.Defined("cat", 1, [&defined] { return ++defined; }), 1u);
  EXPECT_EQ(memo.Defined("cat", 2, [&defined] { return ++defined; }), 2u);

  // A verdict is for the relations searched: another mask asks again.
  int tested = 0;
  const auto test = [&tested] { return ++tested == 1; };
  EXPECT_TRUE(memo.Holds("cat", 1, 0x6, test));
  EXPECT_TRUE(memo.Holds("cat", 1, 0x6, test));
  EXPECT_FALSE(memo.Holds("cat", 1, 0x4, test));
  EXPECT_EQ(tested, 2);
}

// The answers for a word the dictionary lacks come at once and are not worth the room.
TEST(LookupMemoTest, EmptyAnswersAreAskedAgain) {
  LookupMemo memo;
  Asker library;
  EXPECT_EQ(memo.Search("zzz", 1, 31, library.Text("")).text, "");
  EXPECT_EQ(memo.Search("zzz", 1, 31, library.Text("")).printedSenses, 2);
  int asked = 0;
  memo.Defined("zzz", 1, [&asked] { return ++asked, 0u; });
  memo.Defined("zzz", 1, [&asked] { return ++asked, 0u; });
  EXPECT_EQ(asked, 2);
  EXPECT_EQ(memo.Bytes(), 0u);
}

TEST(LookupMemoTest, PastItsBudgetItForgetsAndAsksAgain) {
  LookupMemo memo(1000);
  Asker library;
  memo.Search("a", 1, 31, library.Text(std::string(600, 'x')));
  memo.Search("b", 1, 31, library.Text(std::string(600, 'x')));  // over budget: "a" forgotten
  EXPECT_LE(memo.Bytes(), 1000u);
  memo.Search("b", 1, 31, library.Text(""));
  EXPECT_EQ(library.asked, 2);
  EXPECT_EQ(memo.Search("a", 1, 31, library.Text("again")).text, "again");
}

}  // namespace
