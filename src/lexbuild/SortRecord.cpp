#include "lexbuild/SortRecord.h"

#include <cstring>

#include "foundation/CharClass.h"

namespace {
constexpr int kWordEnd = SORT_RECORD_SIZE - 1;  // the terminator
constexpr uint8_t kLetterBits = 0x1F;
constexpr int kMarkShift = 5;
}  // namespace

SortRecord MakeSortRecord(std::string_view word, int letters, int marks) {
  SortRecord record;
  record.bytes.fill(' ');
  record.bytes[0] = static_cast<char>(letters | (marks << kMarkShift));
  std::memcpy(record.bytes.data() + kWordEnd - word.size(), word.data(), word.size());
  record.bytes[kWordEnd] = '\0';
  return record;
}

int RecordLetters(const char* record) { return static_cast<uint8_t>(record[0]) & kLetterBits; }

const char* RecordWord(const char* record) {
  const uint8_t counts = static_cast<uint8_t>(record[0]);
  return record + kWordEnd - (counts & kLetterBits) - (counts >> kMarkShift);
}

int CompareRecords(const char* a, const char* b) {
  const int byLength = RecordLetters(a) - RecordLetters(b);
  if (byLength) return byLength;
  const char* wordA = RecordWord(a);
  const char* wordB = RecordWord(b);
  if (const int order = CompareWords(wordA, wordB)) return order;
  const int raw = std::strcmp(wordA, wordB);
  return (raw > 0) - (raw < 0);
}

int CompareByLengthThenWord(const void* a, const void* b) {
  return CompareRecords(*static_cast<const char* const*>(a), *static_cast<const char* const*>(b));
}
