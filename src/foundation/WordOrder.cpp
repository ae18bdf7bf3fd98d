#include "foundation/WordOrder.h"

#include <algorithm>
#include <cstring>

#include "foundation/CharClass.h"

namespace {

constexpr size_t kKeyBytes = 16;
constexpr size_t kCountBytes = 2;
constexpr WordOrderKey kCountTooLarge{0xFFFFull << 48, 0};

std::string_view UpToNul(std::string_view text) {
  const void* nul = std::memchr(text.data(), '\0', text.size());
  return nul ? text.substr(0, static_cast<const char*>(nul) - text.data()) : text;
}

int Sign(int value) { return (value > 0) - (value < 0); }

// Words of the same letters, one with marks: its bytes against the other's folded letters.
int MarkedAgainstFolded(std::string_view marked, std::string_view plain) {
  const size_t common = std::min(marked.size(), plain.size());
  for (size_t i = 0; i < common; ++i) {
    const int difference = static_cast<uint8_t>(marked[i]) - FoldCase(plain[i]);
    if (difference) return Sign(difference);
  }
  return marked.size() < plain.size() ? -1 : marked.size() > plain.size();
}

// Two words of the same letters, by their marks.
int OrderSameLetters(std::string_view a, bool marksA, std::string_view b, bool marksB) {
  if (marksA && marksB) return Sign(a.compare(b));
  if (marksA) return MarkedAgainstFolded(a, b);
  if (marksB) return -MarkedAgainstFolded(b, a);
  return 0;
}

long LettersOf(std::string_view text) { return std::count_if(text.begin(), text.end(), IsLetter); }

uint8_t KeyByte(const WordOrderKey& key, size_t i) {
  return static_cast<uint8_t>((i < 8 ? key.high >> (56 - 8 * i) : key.low >> (120 - 8 * i)) & 0xFF);
}

}  // namespace

int OrderWords(std::string_view a, std::string_view b) {
  a = UpToNul(a);
  b = UpToNul(b);
  size_t i = 0;
  size_t j = 0;
  bool marksA = false;
  bool marksB = false;
  for (;; ++i, ++j) {
    for (; i < a.size() && !IsLetter(a[i]); ++i) marksA = true;
    for (; j < b.size() && !IsLetter(b[j]); ++j) marksB = true;
    if (i == a.size() || j == b.size()) break;
    const int difference = FoldCase(a[i]) - FoldCase(b[j]);
    if (difference) return difference;
  }
  // The word whose letters ran out first is the lower.
  if (i < a.size()) return 1;
  if (j < b.size()) return -1;
  return OrderSameLetters(a, marksA, b, marksB);
}

int OrderWordsByLength(std::string_view a, std::string_view b) {
  a = UpToNul(a);
  b = UpToNul(b);
  const long byLength = LettersOf(a) - LettersOf(b);
  return byLength ? (byLength > 0) - (byLength < 0) : OrderWords(a, b);
}

// The key's bytes: with byLength the letter count (two bytes, high first), then the folded
// letters, a zero, and the text's own bytes when it has marks or its folded letters when it has
// none. The order of these byte strings is the order itself: folded letters and text bytes are
// never zero, so a word of fewer letters, or a shorter text, comes first.
WordOrderKey MakeWordOrderKey(std::string_view text, bool byLength) {
  text = UpToNul(text);
  uint8_t bytes[kKeyBytes] = {};
  size_t n = 0;
  const auto put = [&](uint8_t byte) {
    if (n < kKeyBytes) bytes[n++] = byte;
  };
  if (byLength) {
    const long letters = LettersOf(text);
    // A count two bytes cannot hold leaves the rest to the full comparison.
    if (letters >= 0xFFFF) return kCountTooLarge;
    put(static_cast<uint8_t>(letters >> 8));
    put(static_cast<uint8_t>(letters));
  }
  bool marks = false;
  for (char c : text) {
    if (IsLetter(c)) {
      put(FoldCase(c));
    } else {
      marks = true;
    }
  }
  put(0);
  for (size_t i = 0; i < text.size() && n < kKeyBytes; ++i) {
    put(marks ? static_cast<uint8_t>(text[i]) : FoldCase(text[i]));
  }
  WordOrderKey key;
  for (size_t k = 0; k < 8; ++k) key.high = key.high << 8 | bytes[k];
  for (size_t k = 8; k < kKeyBytes; ++k) key.low = key.low << 8 | bytes[k];
  return key;
}

int OrderKeyedWords(const WordOrderKey& keyA, std::string_view a, const WordOrderKey& keyB,
                    std::string_view b, bool byLength) {
  if (keyA != keyB) return keyA < keyB ? -1 : 1;
  // Equal keys holding the zero after the letters hold the same letters, that many: a text
  // longer than its letters has marks.
  for (size_t i = byLength ? kCountBytes : 0; i < kKeyBytes && keyA != kCountTooLarge; ++i) {
    if (KeyByte(keyA, i) != 0) continue;
    const size_t letters = i - (byLength ? kCountBytes : 0);
    return OrderSameLetters(a, a.size() > letters, b, b.size() > letters);
  }
  return byLength ? OrderWordsByLength(a, b) : OrderWords(a, b);
}
