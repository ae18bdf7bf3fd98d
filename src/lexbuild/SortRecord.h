#pragma once
// The fixed-length record in which a word list's words are sorted and merged on disk: byte 0
// holds the letter count (bits 0-4) and the mark count (bits 5-7), then spaces, then the word
// right-aligned against a terminating 0 in the last byte.

#include <array>
#include <cstdint>
#include <string_view>

constexpr int SORT_RECORD_SIZE = 40;

struct SortRecord {
  std::array<char, SORT_RECORD_SIZE> bytes;
};
static_assert(sizeof(SortRecord) == SORT_RECORD_SIZE, "records lie back to back in files");

constexpr int kRecordWordEnd = SORT_RECORD_SIZE - 1;  // the terminator
constexpr uint8_t kRecordLetterBits = 0x1F;
constexpr int kRecordMarkShift = 5;

// The record of a valid word (at most 30 letters and 7 marks) with its counts.
SortRecord MakeSortRecord(std::string_view word, int letters, int marks);

// Inline: every record merged or compiled is read through them.
inline int RecordLetters(const char* record) {
  return static_cast<uint8_t>(record[0]) & kRecordLetterBits;
}
// The word inside a record, ending at its terminator.
inline const char* RecordWord(const char* record) {
  const uint8_t counts = static_cast<uint8_t>(record[0]);
  return record + kRecordWordEnd - (counts & kRecordLetterBits) - (counts >> kRecordMarkShift);
}

// Lexicon order of two records: letter count, then CompareWords, then the words' bytes. The
// bytes make it a total order over valid words, so any sort gives one result and identical
// words end up side by side. a and b each point to a pointer to a record (the element of an
// array of record pointers); the result is negative, zero or positive.
int CompareByLengthThenWord(const void* a, const void* b);
// The same over two records.
int CompareRecords(const char* a, const char* b);
// The start of a record's place in that order, as one number: the letter count, then the first
// seven letters case- and accent-folded. Records whose keys differ are in the order of their
// keys, so a sort compares keys and calls CompareRecords only on a tie.
uint64_t RecordOrderKey(const char* record);
