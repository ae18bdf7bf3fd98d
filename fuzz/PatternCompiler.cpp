// Any bytes as a FIND pattern: compiled, or refused with a pattern error, and matched against
// entries held in buffers of exactly their size, so that a read past an entry is caught. An
// entry of letters only is matched by the fast form too, which must give the same answer.
// The first byte chooses the case flag; bytes after a newline are one more entry to match.

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

#include "search/pattern/RegExp.h"

namespace {

bool MatchExactly(const RegExp& matcher, std::string_view entry) {
  const size_t size = entry.size() + 3;
  auto framed = std::make_unique<char[]>(size);
  framed[0] = '&';
  std::memcpy(framed.get() + 1, entry.data(), entry.size());
  framed[size - 2] = '@';
  framed[size - 1] = '\0';
  const bool matched = matcher.Match(framed.get());
  const bool lettersOnly =
      !entry.empty() && std::all_of(entry.begin(), entry.end(), [](char c) { return IsLetter(c); });
  if (lettersOnly &&
      matcher.MatchLetters(framed.get(), static_cast<int32_t>(entry.size())) != matched)
    __builtin_trap();
  return matched;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
  const size_t newline = input.find('\n');
  const std::string pattern(input.substr(0, newline));
  try {
    RegExp matcher(pattern);
    matcher.SetCaseSensitive(data[0] & 1);
    for (const char* entry : {"a", "don't", "ice cream", "well-known", "caf\xE9", "jack-in-the-box"})
      MatchExactly(matcher, entry);
    if (newline != std::string_view::npos) {
      const std::string_view entry = input.substr(newline + 1);
      MatchExactly(matcher, entry.substr(0, entry.find('\0')));
    }
  } catch (const RegExpException&) {
  }
  return 0;
}
