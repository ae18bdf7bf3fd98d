#pragma once
// The cursor's walk through a front-coded word stream, and its fast step: decoding the next
// word of an image in place when it is an ordinary one. The walk is a plain struct so that a
// scan can hold it in locals, which the compiler keeps in registers; the stores into the word
// buffer would otherwise make it reload every member after each word.

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "foundation/CharClass.h"
#include "search/lexicon/LexiconFormat.h"

struct WordWalk {
  size_t readPos = 0;  // offset of the next byte to read
  int32_t letterCount = 0;
  int32_t wordLength = 0;    // letters and marks of the word in the buffer: the prefix it offers
  int32_t sharedPrefix = 0;  // characters the word in the buffer shares with the one before
  // The characters of the word in the buffer before this one (from 0) are all letters; when it
  // is the word's length, the word can go to the matcher's fast form.
  int32_t firstNonLetter = 0;
};

// A word's tail is read by one copy of this many bytes when the image holds them; the buffer
// must have room for it after the longest shared prefix.
constexpr size_t kTailCopy = 16;

inline bool AllLetters(const char* p, size_t count) {
  uint8_t classes = kLetter;
  for (size_t i = 0; i < count; ++i) classes &= ClassOf(p[i]);
  return classes != 0;
}

// True when the first count (at most 16) of the 16 bytes at p are all letters. The 16 bytes are
// tested at once, with no branch that depends on the tail's length: nearly every tail of a word
// list is ASCII letters (a capital is one bit away from its small letter, and no other byte
// lands on a-z with that bit set), and nearly every other one holds an ASCII mark, which no
// table needs to refuse. Only accented letters are looked up. The bytes are compared as signed,
// which the vector units do in one step: the bytes past 0x7F are the negative ones.
inline bool LetterTail(const uint8_t* p, size_t count) {
  using Bytes = int8_t __attribute__((vector_size(16)));
  // 16 bytes read from kFirst + 16 - count keep the first count bytes of a vector.
  static constexpr int8_t kFirst[32] = {-1, -1, -1, -1, -1, -1, -1, -1,
                                        -1, -1, -1, -1, -1, -1, -1, -1};
  const auto none = [](const Bytes& flags) {
    uint64_t halves[2];
    std::memcpy(halves, &flags, 16);
    return (halves[0] | halves[1]) == 0;
  };
  Bytes bytes;
  Bytes inTail;
  std::memcpy(&bytes, p, 16);
  std::memcpy(&inTail, kFirst + 16 - count, 16);
  const Bytes small = bytes | 0x20;
  const Bytes others = ((small < 'a') | (small > 'z')) & inTail;
  if (none(others)) return true;
  if (!none(others & (bytes >= 0))) return false;
  return AllLetters(reinterpret_cast<const char*>(p), count);
}

// The shared characters were looked at with the word before; only the tail is new. A tail
// holding a non-letter sets the bound at its start, which is enough to keep the word away from
// the fast form without finding the exact place.
inline void NoteTailLetters(WordWalk& walk, bool tailAllLetters) {
  if (walk.firstNonLetter >= walk.sharedPrefix)
    walk.firstNonLetter = tailAllLetters ? walk.wordLength : walk.sharedPrefix;
}

// Decodes the word at walk.readPos of the image (size bytes) into buffer, framed as "&" + word
// + "@" and a NUL, when it is an ordinary one: no letter-count step or end mark before it, a
// sound shared prefix and a tail that one fixed copy reads. Anything else returns false and
// leaves walk and buffer as they were, for the cursor's general step.
// Always inlined, so that a scan keeps the walk in registers.
[[gnu::always_inline]] inline bool DecodeImageWord(const uint8_t* image, size_t size, char* buffer,
                                                   WordWalk& walk) {
  // The control byte and a whole tail copy lie inside the image; the buffer holds a word of
  // MaxWordLength letters at most, whatever the walk was told.
  if (walk.readPos + 1 + kTailCopy > size || walk.letterCount > MaxWordLength) return false;
  const uint8_t control = image[walk.readPos];
  if (control & LengthStep) return false;
  const int32_t shared = ControlShared(control);
  const int32_t length = walk.letterCount + ControlMarks(control);
  if (shared > walk.wordLength || shared > length) return false;
  const auto tailLength = static_cast<size_t>(length - shared);
  const uint8_t* tail = image + walk.readPos + 1;
  if (tailLength > kTailCopy) return false;
  // What the copy brings past the tail is overwritten by the frame or never read.
  std::memcpy(buffer + 1 + shared, tail, kTailCopy);
  // Tested where the tail lies, not in the buffer, where it would wait for the copy's store.
  const bool letters = LetterTail(tail, tailLength);
  walk.readPos += 1 + tailLength;
  walk.sharedPrefix = shared;
  walk.wordLength = length;
  NoteTailLetters(walk, letters);
  buffer[1 + length] = '@';
  buffer[2 + length] = '\0';
  return true;
}
