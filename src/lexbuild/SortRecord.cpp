#include "lexbuild/SortRecord.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "foundation/CharClass.h"

SortRecord MakeSortRecord(std::string_view word, int letters, int marks) {
  SortRecord record;
  record.bytes.fill(' ');
  record.bytes[0] = static_cast<char>(letters | (marks << kRecordMarkShift));
  std::memcpy(record.bytes.data() + kRecordWordEnd - word.size(), word.data(), word.size());
  record.bytes[kRecordWordEnd] = '\0';
  return record;
}

namespace {

static_assert(std::endian::native == std::endian::little, "the lowest differing byte comes first");
static_assert(SORT_RECORD_SIZE % 8 == 0);

// Index of the first byte in which two records differ, or SORT_RECORD_SIZE when none does.
int FirstDifference(const char* a, const char* b) {
  for (int at = 0; at < SORT_RECORD_SIZE; at += 8) {
    uint64_t wordA, wordB;
    std::memcpy(&wordA, a + at, 8);
    std::memcpy(&wordB, b + at, 8);
    if (const uint64_t differing = wordA ^ wordB)
      return at + std::countr_zero(differing) / 8;
  }
  return SORT_RECORD_SIZE;
}

}  // namespace

int CompareRecords(const char* a, const char* b) {
  const int byLength = RecordLetters(a) - RecordLetters(b);
  if (byLength) return byLength;
  const char* wordA = RecordWord(a);
  const char* wordB = RecordWord(b);
  if (a[0] == b[0]) {
    // The same counts put both words at the same place, padded alike: the records' first
    // differing byte is where the words part, and the raw order is decided there.
    const int parting = FirstDifference(a, b);
    if (parting == SORT_RECORD_SIZE) return 0;
    const size_t same = static_cast<size_t>((a + parting) - wordA);
    if (const int order = CompareWordsAfterCommonStart(wordA, wordB, same)) return order;
    return static_cast<uint8_t>(a[parting]) < static_cast<uint8_t>(b[parting]) ? -1 : 1;
  }
  if (const int order = CompareWords(wordA, wordB)) return order;
  const int raw = std::strcmp(wordA, wordB);
  return (raw > 0) - (raw < 0);
}

uint64_t RecordOrderKey(const char* record) {
  // Words differing in their letter count or folded letters are ordered by the first of them
  // that differs, byte against byte: a big-endian number of them orders alike.
  constexpr int kKeyLetters = 7;
  const int letters = RecordLetters(record);
  const char* word = RecordWord(record);
  // The usual start, plain ASCII letters, folds by the case bit all at once; in a word, bit 6
  // tells an ASCII letter from an ASCII mark. A word shorter than the key is read with the
  // spaces before it, which are then shifted out.
  const int length = static_cast<int>(record + kRecordWordEnd - word);
  const int used = std::min(length, kKeyLetters);
  uint64_t bytes;
  std::memcpy(&bytes, word + used - kKeyLetters, 8);
  const uint64_t start = __builtin_bswap64(bytes) << 8 * (kKeyLetters - used);
  // The start's first `used` bytes (none for an empty record, which no valid word makes).
  const uint64_t kept = used > 0 ? ~uint64_t{0} << (64 - 8 * used) : 0;
  constexpr uint64_t kHighBits = 0x8080808080808080;
  constexpr uint64_t kLetterBits = 0x4040404040404040;
  if (used > 0 && (start & kept & (kHighBits | kLetterBits)) == (kept & kLetterBits)) {
    const uint64_t folded = (start | 0x2020202020202020) & kept;
    return static_cast<uint64_t>(letters) << 56 | folded >> 8;
  }
  uint64_t key = static_cast<uint64_t>(letters);
  int taken = 0;
  for (const char* c = word; *c && taken < kKeyLetters; ++c) {
    // One look-up tells a letter and gives its folded form.
    const uint8_t index = LetterIndex[static_cast<uint8_t>(*c)];
    if (index >= kBlankIndex) continue;
    key = key << 8 | static_cast<uint8_t>('a' + index);
    ++taken;
  }
  return key << 8 * (kKeyLetters - taken);
}

int CompareByLengthThenWord(const void* a, const void* b) {
  return CompareRecords(*static_cast<const char* const*>(a), *static_cast<const char* const*>(b));
}
