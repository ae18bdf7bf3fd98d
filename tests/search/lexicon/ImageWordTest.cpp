// The fast step's test of a word's tail: whether its first bytes are all letters, read 16 at a
// time, against the character tables byte by byte.

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "search/lexicon/ImageWord.h"

namespace {

// The tail in 16 bytes, as the image holds it with whatever follows it.
bool Tested(const std::string& tail, const char* after = "xxxxxxxxxxxxxxxx") {
  uint8_t bytes[16];
  std::memcpy(bytes, (tail + after).data(), 16);
  return LetterTail(bytes, tail.size());
}

TEST(ImageWordTest, LetterTailAgreesWithTheCharacterTables) {
  const char* const tails[] = {
      "",
      "a",
      "Z",
      "klmnopqrstuvwxyz",
      "ABCDEFGHIJKLMNOP",
      "'s",
      "o'clock",
      "well-known",
      "ice cream",
      "St.",
      "r\xE9sum\xE9",
      "na\xEFve",
      "caf\xE9's",
      "\xC9T\xC9",
      "a\xD7"
      "b",
      "a\xF7",
      "@",
      "[",
      "`",
      "{",
      "a1",
      "a\x80",
      "\xFF",
      "\x9F"
      "a",
      "abcdefghijklmno-",
  };
  for (const std::string tail : tails) {
    bool letters = true;
    for (const char c : tail) letters = letters && IsLetter(c);
    EXPECT_EQ(Tested(tail), letters) << tail;
  }
  // Only the tail is read: what the 16 bytes hold past it does not count.
  EXPECT_TRUE(Tested("abc",
                     "'- .,@\xD7"
                     "1234567890"));
  EXPECT_FALSE(Tested("ab'", "cdefghijklmnopqr"));
}

}  // namespace
