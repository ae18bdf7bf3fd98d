#include "platform/Cp1252.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string AllBytes() {
  std::string bytes;
  for (int b = 1; b < 256; ++b) bytes += static_cast<char>(b);
  return bytes;
}

TEST(Cp1252Test, EveryByteRoundTripsThroughUtf8) {
  const std::string bytes = AllBytes();
  const std::string utf8 = Cp1252::ToUtf8(bytes);
  EXPECT_TRUE(Cp1252::IsValidUtf8(utf8));
  EXPECT_EQ(Cp1252::FromUtf8(utf8), bytes);
  for (int b = 0; b < 256; ++b) {
    const auto byte = Cp1252::FromUnicode(Cp1252::ToUnicode(static_cast<unsigned char>(b)));
    ASSERT_TRUE(byte.has_value()) << b;
    EXPECT_EQ(*byte, b);
  }
}

TEST(Cp1252Test, TheHighControlBlockMapsToItsPunctuationAndLetters) {
  EXPECT_EQ(Cp1252::ToUnicode(0x80), U'\u20AC');  // euro sign
  EXPECT_EQ(Cp1252::ToUnicode(0x8A), U'\u0160');  // S caron
  EXPECT_EQ(Cp1252::ToUnicode(0x93), U'\u201C');  // left double quote
  EXPECT_EQ(Cp1252::ToUnicode(0x9F), U'\u0178');  // Y diaeresis
  EXPECT_EQ(Cp1252::ToUnicode(0x81), U'\u0081');  // unassigned: keeps its C1 code point
  EXPECT_EQ(Cp1252::ToUnicode(0xE9), U'\u00E9');
  EXPECT_EQ(Cp1252::ToUtf8("\x80"), "\xE2\x82\xAC");
  EXPECT_EQ(Cp1252::FromUtf8("\xC5\xB8"), "\x9F");
  // U+0080-U+009F other than the five unassigned bytes have no Windows-1252 byte.
  EXPECT_FALSE(Cp1252::FromUnicode(U'\u0080').has_value());
  EXPECT_FALSE(Cp1252::FromUnicode(U'\u009F').has_value());
}

TEST(Cp1252Test, UnmappableCharactersBecomeTheNeutralByte) {
  EXPECT_EQ(Cp1252::FromUtf8("a\xE4\xB8\xAD" "b"), "a\x1A" "b");  // a CJK character
  EXPECT_EQ(Cp1252::FromUtf8("\xF0\x9F\x98\x80"), "\x1A");        // outside the BMP
  EXPECT_NE(Cp1252::kUnmappable, '?');                            // never a wildcard
  // Bytes that are not UTF-8 are taken as Windows-1252 already.
  EXPECT_EQ(Cp1252::FromUtf8("caf\xE9"), "caf\xE9");
  EXPECT_FALSE(Cp1252::IsValidUtf8("caf\xE9"));
  EXPECT_FALSE(Cp1252::IsValidUtf8("\xC0\xAF"));      // overlong
  EXPECT_FALSE(Cp1252::IsValidUtf8("\xED\xA0\x80"));  // surrogate
  EXPECT_FALSE(Cp1252::IsValidUtf8("\xE2\x82"));      // cut short
}

TEST(Cp1252Test, WordListLines) {
  EXPECT_EQ(Cp1252::WordListLineToCp1252("plain"), "plain");
  EXPECT_EQ(Cp1252::WordListLineToCp1252("caf\xC3\xA9"), "caf\xE9");   // UTF-8 converted
  EXPECT_EQ(Cp1252::WordListLineToCp1252("caf\xE9"), "caf\xE9");       // already Windows-1252
  EXPECT_EQ(Cp1252::WordListLineToCp1252("\xC5\x93uvre"), "\x9Cuvre");  // oe ligature
  EXPECT_FALSE(Cp1252::WordListLineToCp1252("\xE4\xB8\xAD").has_value());
  EXPECT_EQ(Cp1252::WordListLineToCp1252(""), "");
}

}  // namespace
