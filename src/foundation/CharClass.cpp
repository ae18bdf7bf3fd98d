#include "foundation/CharClass.h"

#include <array>
#include <cstring>

namespace {

using Table = std::array<uint8_t, 256>;

// The base letter (lower case) of each accented Windows-1252 letter; 0 for other bytes.
constexpr char AccentBase(unsigned c) {
  if (c == 0x9F || c == 0xDD || c == 0xFD || c == 0xFF) return 'y';
  if (c >= 0xE0) c -= 0x20;  // lower-case forms sit 0x20 above the upper ones
  if (c >= 0xC0 && c <= 0xC6) return 'a';
  if (c == 0xC7) return 'c';
  if (c == 0xD0) return 'd';
  if (c >= 0xC8 && c <= 0xCB) return 'e';
  if (c >= 0xCC && c <= 0xCF) return 'i';
  if (c == 0xD1) return 'n';
  if (c >= 0xD2 && c <= 0xD6) return 'o';
  if (c >= 0xD9 && c <= 0xDC) return 'u';
  return 0;
}

constexpr bool IsAccentedUpper(unsigned c) { return c == 0x9F || (c >= 0xC0 && c <= 0xDD); }
constexpr bool IsVowelBase(char base) {
  return base == 'a' || base == 'e' || base == 'i' || base == 'o' || base == 'u' || base == 'y';
}

constexpr Table MakeCharClass() {
  Table t{};
  for (unsigned c : {' ', '\'', ',', '.'}) t[c] = 0x05;
  t['-'] = 0x85;
  for (unsigned c = 'a'; c <= 'z'; ++c) {
    const bool vowel = IsVowelBase(static_cast<char>(c));
    t[c] = vowel ? 0x73 : 0x33;
    t[c - 0x20] = vowel ? 0x6B : 0x2B;
  }
  for (unsigned c = 0x80; c <= 0xFF; ++c) {
    const char base = AccentBase(c);
    if (!base) continue;
    const bool vowel = IsVowelBase(base);
    if (IsAccentedUpper(c)) {
      t[c] = vowel ? 0x69 : 0x29;
    } else {
      t[c] = vowel ? 0x71 : 0x31;
    }
  }
  for (unsigned c : {'!', '*', '?', '[', ']', '^'}) t[c] = 0x80;
  for (unsigned c = '0'; c <= '9'; ++c) t[c] = 0x80;
  return t;
}

constexpr Table MakeFold(bool keepCase) {
  Table t{};
  for (unsigned c = 0; c < 256; ++c) t[c] = static_cast<uint8_t>(c);
  for (unsigned c = 'A'; c <= 'Z'; ++c)
    if (!keepCase) t[c] = static_cast<uint8_t>(c + 0x20);
  for (unsigned c = 0x80; c <= 0xFF; ++c) {
    const char base = AccentBase(c);
    if (!base) continue;
    const bool upper = IsAccentedUpper(c) && keepCase;
    t[c] = static_cast<uint8_t>(upper ? base - 0x20 : base);
  }
  return t;
}

constexpr Table MakeLetterIndex() {
  Table t{};
  const Table fold = MakeFold(false);
  const Table classes = MakeCharClass();
  for (unsigned c = 0; c < 256; ++c)
    t[c] = (classes[c] & kLetter) ? static_cast<uint8_t>(fold[c] - 'a') : kNoLetterIndex;
  t['?'] = kBlankIndex;
  return t;
}

}  // namespace

const Table CharClass = MakeCharClass();
const Table FoldInsensitive = MakeFold(false);
const Table FoldSensitive = MakeFold(true);
const Table LetterIndex = MakeLetterIndex();

namespace {
constexpr Table kClassCheck = MakeCharClass();
constexpr Table kSensitiveCheck = MakeFold(true);
constexpr Table kIndexCheck = MakeLetterIndex();
static_assert(kClassCheck[0xDF] == 0 && kClassCheck[0xF8] == 0 && kClassCheck[0xD7] == 0);
static_assert(kClassCheck[0xC7] == 0x29 && kClassCheck[0xF1] == 0x31 && kClassCheck[0x9F] == 0x69);
static_assert(kClassCheck[0xE6] == 0x71 && kClassCheck['-'] == 0x85 && kClassCheck['7'] == 0x80);
static_assert(kSensitiveCheck[0xC9] == 'E' && kSensitiveCheck[0xE9] == 'e');
static_assert(kIndexCheck['Z'] == 25 && kIndexCheck[0xFF] == 24 && kIndexCheck['?'] == 26);
}  // namespace

int CountLetters(const char* word) {
  int letters = 0;
  for (; *word; ++word) letters += IsLetter(*word) ? 1 : 0;
  return letters;
}

namespace {

// The marks of a word, -1 when it holds a character no word may, and its length.
int MarksAndLength(const char* word, size_t& length) {
  int marks = 0;
  for (length = 0; word[length]; ++length) {
    const uint8_t cls = ClassOf(word[length]);
    if (!(cls & kWordChar)) return -1;
    if (cls & kMark) ++marks;
  }
  return marks;
}

}  // namespace

int CountMarks(const char* word) {
  size_t length;
  return MarksAndLength(word, length);
}

int ValidWordLength(const char* word) {
  if (!IsLetter(word[0])) return 0;
  // One pass for the marks and the length: every word of a list or a lexicon comes through here.
  size_t length;
  const int marks = MarksAndLength(word, length);
  if (marks < 0 || marks > MaxWordMarks || !IsLetter(word[length - 1])) return 0;
  const int letters = static_cast<int>(length) - marks;
  return letters > MaxWordLength ? 0 : letters;
}

char* CleanWord(char* line, int* letterCount) {
  while (*line == ' ') ++line;
  for (size_t end = std::strlen(line); end > 0 && line[end - 1] == ' '; --end) line[end - 1] = '\0';
  *letterCount = ValidWordLength(line);
  return *letterCount ? line : nullptr;
}

int CompareWords(const char* a, const char* b) { return CompareWordsAfterCommonStart(a, b, 0); }

int CompareWordsAfterCommonStart(const char* a, const char* b, size_t same) {
  // The common start is walked alike in both words: all it can tell is whether a mark was
  // skipped, and the raw comparison below may start after it.
  bool markSkipped = false;
  for (size_t i = 0; i < same && !markSkipped; ++i) markSkipped = !IsLetter(a[i]);
  a += same;
  b += same;
  const char* const restA = a;
  const char* const restB = b;
  while (*a && *b) {
    if (!IsLetter(*a)) {
      ++a;
      markSkipped = true;
    } else if (!IsLetter(*b)) {
      ++b;
      markSkipped = true;
    } else {
      const int difference = FoldCase(*a) - FoldCase(*b);
      if (difference) return difference;
      ++a;
      ++b;
    }
  }
  if (markSkipped) {
    const int raw = std::strcmp(restA, restB);  // strcmp compares as unsigned char
    return (raw > 0) - (raw < 0);
  }
  if (!*a && !*b) return 0;
  return *a ? 1 : -1;
}

int CompareWordStrings(const std::string& a, const std::string& b) {
  const int byLength = CountLetters(a.c_str()) - CountLetters(b.c_str());
  return byLength ? byLength : CompareWords(a.c_str(), b.c_str());
}
