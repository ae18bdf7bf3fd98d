// Small byte-string helpers. Letters are classified by the character tables, never by the
// locale.

#include <cassert>

#include "foundation/TextUtils.h"
#include "foundation/CharClass.h"

std::string IntToStrRadix(int32_t value, int radix) {
  assert(radix >= 2 && radix <= 36);
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  const bool negative = radix == 10 && value < 0;
  // Negate in unsigned arithmetic so that INT32_MIN has a magnitude too.
  uint32_t rest = static_cast<uint32_t>(value);
  if (negative) rest = 0u - rest;
  std::string digits;
  do {
    digits.insert(digits.begin(), kDigits[rest % static_cast<uint32_t>(radix)]);
    rest /= static_cast<uint32_t>(radix);
  } while (rest != 0);
  return negative ? "-" + digits : digits;
}

std::string& TrimString(std::string& text, char ch, int mode) {
  if (mode == 1 || mode == 2) {
    const size_t last = text.find_last_not_of(ch);
    text.erase(last == std::string::npos ? 0 : last + 1);
  }
  if (mode == 0 || mode == 2) text.erase(0, text.find_first_not_of(ch));
  return text;
}

std::string LowerCaseString(const std::string& text) {
  std::string lower = text;
  for (char& c : lower) c = LowerCaseLetter(c);
  return lower;
}

std::string FilterCharClass(const std::string& text) {
  std::string letters;
  for (char c : text)
    if (IsLetter(c)) letters += c;
  return letters;
}

int32_t CountChar(const char* text, char ch) {
  if (!text) return 0;
  int32_t count = 0;
  for (; *text; ++text) count += *text == ch;
  return count;
}

bool IsAllWildcards(const char* text) {
  if (!text) return true;
  for (; *text; ++text)
    if (*text != '*' && *text != ' ' && *text != '!') return false;
  return true;
}
