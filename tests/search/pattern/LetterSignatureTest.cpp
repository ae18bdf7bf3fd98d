#include "search/pattern/LetterSignature.h"

#include <gtest/gtest.h>

#include <string>

namespace {

LetterSignature Of(const std::string& letters) {
  uint8_t counts[26] = {};
  for (char c : letters) ++counts[c - 'a'];
  return LetterSignature::OfCounts(counts);
}

TEST(LetterSignatureTest, HoldsWhenEveryCountSuffices) {
  EXPECT_TRUE(Of("listen").Holds(Of("silent")));
  EXPECT_TRUE(Of("listens").Holds(Of("tins")));
  EXPECT_TRUE(Of("abc").Holds(Of("")));
  EXPECT_FALSE(Of("listen").Holds(Of("listens")));  // one s short
  EXPECT_FALSE(Of("abc").Holds(Of("abd")));
  // The first and last letter of each half, where a borrow would cross into a neighbour.
  EXPECT_FALSE(Of("bcdefghijklmnopqrstuvwxyz").Holds(Of("a")));
  EXPECT_FALSE(Of("abcdefghijkl").Holds(Of("m")));
  EXPECT_FALSE(Of("abcdefghijklmopqrstuvwxyz").Holds(Of("n")));
  EXPECT_FALSE(Of("abcdefghijklmnopqrstuvwxy").Holds(Of("z")));
  EXPECT_TRUE(Of("amnz").Holds(Of("zanm")));
}

TEST(LetterSignatureTest, CountsUpToTheCapStayExact) {
  EXPECT_TRUE(Of("eeeeeee").Holds(Of("eeeeeee")));
  EXPECT_FALSE(Of("eeeeee").Holds(Of("eeeeeee")));
  // A pool holding more than the cap still holds any word whose counts stay within it.
  EXPECT_TRUE(Of("zzzzzzzzzzz").Holds(Of("zzzzzzz")));
}

}  // namespace
