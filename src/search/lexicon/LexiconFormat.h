#pragma once
// The compiled lexicon file: a 30 x 26 index of u32 offsets, a 16-byte header, then the
// front-coded word stream. The writer and every reader share these constants.

#include <cstddef>
#include <cstdint>

#include "foundation/CharClass.h"
#include "foundation/LittleEndian.h"

constexpr int kIndexRows = MaxWordLength;  // letter counts 1-30
constexpr int kIndexColumns = 26;          // first letters a-z
constexpr size_t kIndexEntries = kIndexRows * kIndexColumns;
constexpr size_t kIndexBytes = kIndexEntries * 4;           // 3120
constexpr size_t kHeaderOffset = kIndexBytes;               // 3120
constexpr size_t kHeaderBytes = 16;
constexpr size_t kWordStreamOffset = kHeaderOffset + kHeaderBytes;  // 3136
constexpr uint16_t kLexiconMagic = 22965;
constexpr uint8_t LengthStep = 0x80;

// Control byte of a stored word: shared prefix in bits 0-3, marks in bits 4-6.
constexpr int kMaxShared = 15;
constexpr uint8_t MakeControlByte(int shared, int marks) {
  return static_cast<uint8_t>((shared & 0x0F) | ((marks & 0x07) << 4));
}
constexpr int ControlShared(uint8_t control) { return control & 0x0F; }
constexpr int ControlMarks(uint8_t control) { return (control >> 4) & 0x07; }

struct DictionaryHeader {
  uint32_t compileTime = 0;  // seconds since 1970
  uint32_t modifyTime = 0;   // 0 until a word is added or removed
  uint32_t wordCount = 0;
  uint16_t magic = kLexiconMagic;
  uint16_t defaultFlag = 0;  // 1: selected by default in new selections
};
static_assert(sizeof(DictionaryHeader) == kHeaderBytes);

inline DictionaryHeader DecodeHeader(const uint8_t* bytes) {
  DictionaryHeader h;
  h.compileTime = ReadU32(bytes);
  h.modifyTime = ReadU32(bytes + 4);
  h.wordCount = ReadU32(bytes + 8);
  h.magic = ReadU16(bytes + 12);
  h.defaultFlag = ReadU16(bytes + 14);
  return h;
}
inline void EncodeHeader(const DictionaryHeader& h, uint8_t* bytes) {
  WriteU32(bytes, h.compileTime);
  WriteU32(bytes + 4, h.modifyTime);
  WriteU32(bytes + 8, h.wordCount);
  WriteU16(bytes + 12, h.magic);
  WriteU16(bytes + 14, h.defaultFlag);
}
