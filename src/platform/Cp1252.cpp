#include "platform/Cp1252.h"

#include <algorithm>
#include <cstring>

namespace Cp1252 {
namespace {

// 0x80-0x9F; the five unassigned bytes keep their C1 control code points.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// Decodes one UTF-8 sequence at text[pos]; returns its length, 0 when it is not valid UTF-8.
size_t DecodeUtf8(std::string_view text, size_t pos, char32_t& codePoint) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    codePoint = lead;
    return 1;
  }
  size_t length;
  char32_t value;
  char32_t minimum;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (size_t i = 1; i < length; ++i) {
    if ((byte(pos + i) & 0xC0) != 0x80) return 0;
    value = (value << 6) | (byte(pos + i) & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  codePoint = value;
  return length;
}

}  // namespace

char32_t ToUnicode(unsigned char byte) {
  if (byte >= 0x80 && byte < 0xA0) return kHighControls[byte - 0x80];
  return byte;
}

std::optional<unsigned char> FromUnicode(char32_t codePoint) {
  if (codePoint < 0x80 || (codePoint >= 0xA0 && codePoint <= 0xFF))
    return static_cast<unsigned char>(codePoint);
  for (int i = 0; i < 32; ++i)
    if (kHighControls[i] == codePoint) return static_cast<unsigned char>(0x80 + i);
  return std::nullopt;
}

bool IsAscii(std::string_view text) {
  // Eight bytes at a time: exports and printing check megabytes of results.
  constexpr uint64_t kHighBits = 0x8080808080808080;
  size_t at = 0;
  for (; at + 8 <= text.size(); at += 8) {
    uint64_t chunk;
    std::memcpy(&chunk, text.data() + at, 8);
    if (chunk & kHighBits) return false;
  }
  for (; at < text.size(); ++at) {
    if (static_cast<unsigned char>(text[at]) >= 0x80) return false;
  }
  return true;
}

std::string ToUtf8(std::string_view cp1252) {
  // Plain ASCII, by far the most common text, is the same in both.
  if (IsAscii(cp1252)) return std::string(cp1252);
  std::string out;
  out.reserve(cp1252.size());
  for (char c : cp1252) AppendUtf8(out, ToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string FromUtf8(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t codePoint;
    const size_t length = DecodeUtf8(utf8, pos, codePoint);
    if (length == 0) {
      out += utf8[pos++];
      continue;
    }
    const auto byte = FromUnicode(codePoint);
    out += byte ? static_cast<char>(*byte) : kUnmappable;
    pos += length;
  }
  return out;
}

bool IsValidUtf8(std::string_view text) {
  for (size_t pos = 0; pos < text.size();) {
    char32_t codePoint;
    const size_t length = DecodeUtf8(text, pos, codePoint);
    if (length == 0) return false;
    pos += length;
  }
  return true;
}

std::optional<std::string> WordListLineToCp1252(std::string_view line) {
  bool hasHighByte = false;
  for (char c : line) hasHighByte |= static_cast<unsigned char>(c) >= 0x80;
  if (!hasHighByte || !IsValidUtf8(line)) return std::string(line);
  std::string out;
  for (size_t pos = 0; pos < line.size();) {
    char32_t codePoint;
    pos += DecodeUtf8(line, pos, codePoint);
    const auto byte = FromUnicode(codePoint);
    if (!byte) return std::nullopt;
    out += static_cast<char>(*byte);
  }
  return out;
}

}  // namespace Cp1252
