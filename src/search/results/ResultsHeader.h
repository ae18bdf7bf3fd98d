#pragma once
// The 824-byte record at the start of a results data file: the count, the ordering and the
// search criteria the results came from. Stored little-endian, field by field.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

constexpr uint32_t kResultsMagic = 601;
constexpr size_t kResultsHeaderBytes = 824;
constexpr size_t kLongTextBytes = 242;   // FIND, FROM, Key Words: at most 240 characters
constexpr size_t kShortTextBytes = 32;   // Include, Exclude: at most 31 characters

struct ResultsHeader {
  uint32_t magic = 0;
  uint32_t count = 0;
  uint16_t longest = 0;
  uint8_t reverse = 0;
  uint8_t ordering = 0;
  char find[kLongTextBytes] = {};
  char from[kLongTextBytes] = {};
  char include[kShortTextBytes] = {};
  char exclude[kShortTextBytes] = {};
  char keyWords[kLongTextBytes] = {};
  uint8_t useAllFrom = 0;
  uint8_t suppressPermutations = 0;
  uint8_t caseSensitive = 0;
  uint8_t reuseFromLetters = 0;  // 1 only when Re-use From Letters is on and Use All From off
  uint8_t reserved[18] = {};
};
static_assert(sizeof(ResultsHeader) == kResultsHeaderBytes);
static_assert(offsetof(ResultsHeader, find) == 12 && offsetof(ResultsHeader, from) == 254);
static_assert(offsetof(ResultsHeader, include) == 496 && offsetof(ResultsHeader, exclude) == 528);
static_assert(offsetof(ResultsHeader, keyWords) == 560 && offsetof(ResultsHeader, useAllFrom) == 802);

// Puts text into a field, cut to what the field may hold (240 or 31 characters); the rest of the
// field is zero.
template <size_t N>
void SetHeaderText(char (&field)[N], std::string_view text) {
  static_assert(N == kLongTextBytes || N == kShortTextBytes);
  constexpr size_t kMaxChars = N == kLongTextBytes ? 240 : 31;
  const size_t kept = std::min(text.size(), kMaxChars);
  std::fill(field, field + N, '\0');
  std::copy(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(kept), field);
}

// True when every text field ends with a zero inside its own bytes.
bool HeaderTextsEnded(const ResultsHeader& header);

void EncodeResultsHeader(const ResultsHeader& header, uint8_t* bytes);
ResultsHeader DecodeResultsHeader(const uint8_t* bytes);
