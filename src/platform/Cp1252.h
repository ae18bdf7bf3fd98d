#pragma once
// Windows-1252 <-> Unicode. Words and stored texts are Windows-1252 bytes; the file system,
// word lists and the screen speak UTF-8. These are the only crossings between the two.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace Cp1252 {

// The byte an unrepresentable character becomes: no letter, no mark, no pattern character.
constexpr char kUnmappable = '\x1A';

char32_t ToUnicode(unsigned char byte);
// The Windows-1252 byte for a code point, or nothing when it has none.
std::optional<unsigned char> FromUnicode(char32_t codePoint);

// True when every byte is below 0x80: the text is the same in both.
bool IsAscii(std::string_view text);
std::string ToUtf8(std::string_view cp1252);
// Characters without a Windows-1252 byte become kUnmappable; invalid UTF-8 bytes are taken
// as Windows-1252 bytes.
std::string FromUtf8(std::string_view utf8);
// True when the text is valid UTF-8 (plain ASCII included).
bool IsValidUtf8(std::string_view text);
// A word-list line: valid UTF-8 holding a byte of 0x80 or more is converted (nothing when a
// character has no Windows-1252 byte); any other line is taken as Windows-1252 already.
std::optional<std::string> WordListLineToCp1252(std::string_view line);

}  // namespace Cp1252
