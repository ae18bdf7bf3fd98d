#include "search/Dictionary.h"

#include <algorithm>
#include <utility>

#include "search/LexiconFormat.h"

Dictionary::Dictionary(const VirtualLex& lexicon) : Dictionary(lexicon.Image()) {
  path = lexicon.path;
}

Dictionary::Dictionary(std::shared_ptr<const LexImage> loaded)
    : inMemory(true), image(std::move(loaded)) {
  if (!image || image->Size() < kWordStreamOffset) return;
  startOfLex = image->Data();
  dataLength = image->Size();
  index = startOfLex;
  wordCount = DecodeHeader(startOfLex + kHeaderOffset).wordCount;
}

Dictionary::Dictionary(const std::string& lexiconPath) : inMemory(false), path(lexiconPath) {
  file.Open(lexiconPath, "rb", kFileBufferSize);
  const int64_t length = file.Length();
  if (length < static_cast<int64_t>(kWordStreamOffset)) return;
  uint8_t header[kHeaderBytes];
  std::vector<uint8_t> copy(kIndexBytes);
  if (std::fseek(file.handle, kHeaderOffset, SEEK_SET) != 0 ||
      std::fread(header, 1, kHeaderBytes, file.handle) != kHeaderBytes ||
      std::fseek(file.handle, 0, SEEK_SET) != 0 ||
      std::fread(copy.data(), 1, kIndexBytes, file.handle) != kIndexBytes)
    return;
  dataLength = static_cast<size_t>(length);
  wordCount = DecodeHeader(header).wordCount;
  indexCopy = std::move(copy);
  index = indexCopy.data();
}

uint8_t Dictionary::FindNext(const char** word, const char* pattern, const SrcLetters* from,
                             int32_t minLetters, char firstLetter) {
  if (pattern) {
    if (!*pattern) return kEmptyPattern;
    patternStartsWithLetter = ClassOf(pattern[0]) & kAsciiLetter;
    // A new search never inherits the letters of an earlier one.
    letters = from ? std::make_unique<SrcLetters>(*from) : nullptr;
    matcher.SetPattern(pattern);
    patternText = pattern;
    matchAll = patternText == "*";
    unspellablePrefix = 0;
    atEnd = true;
    const int32_t start = std::max({1, matcher.MinLength(), minLetters});
    if (start > MaxWordLength) return kNoMoreWords;
    if (firstLetter == 0) firstLetter = static_cast<char>(FoldCase(pattern[0]));
    const int column = firstLetter >= 'a' && firstLetter <= 'z' ? firstLetter - 'a' : 0;
    MoveTo(start, column, kWordStreamOffset);
  }

  for (;;) {
    if (!ReadWord()) return kNoMoreWords;
    const int32_t failedBefore = std::exchange(unspellablePrefix, 0);
    if (StopRequested()) return kCancelled;
    if (matcher.SegmentCount() == 1 && letterCount > matcher.MinLength()) return kNoMoreWords;
    if (patternStartsWithLetter) {
      // Past the pattern's first letter: nothing more of this letter count can match.
      const uint8_t wanted = FoldCase(patternText[0]);
      if (FoldCase(buffer[1]) > wanted) {
        if (letterCount + 1 > MaxWordLength) return kNoMoreWords;
        JumpTo(letterCount + 1, wanted - 'a');
        continue;
      }
    }
    if (!matchAll) {
      const bool matched = firstNonLetter == wordLength
                               ? matcher.MatchLetters(buffer.data(), wordLength)
                               : matcher.Match(buffer.data());
      if (!matched) continue;
    }
    if (letters) {
      if (letters->Total() < static_cast<uint32_t>(letterCount)) return kNoMoreWords;
      // The letters spell a word from its start, so a word that begins with the characters the
      // word before could not be spelt up to fails at the same place.
      if (failedBefore >= 2 && sharedPrefix >= failedBefore) {
        unspellablePrefix = failedBefore;
        continue;
      }
      const uint32_t failedAt = letters->TryWord(buffer.data() + 1, '@');
      if (failedAt == 1) {
        if (!SkipToNextLetter()) return kNoMoreWords;
        continue;
      }
      if (failedAt != 0) {
        unspellablePrefix = static_cast<int32_t>(failedAt);
        continue;
      }
    }
    buffer[1 + wordLength] = '\0';
    lastWordLength = wordLength;
    *word = buffer.data() + 1;
    return kFound;
  }
}

// The FROM letters cannot supply this word's first letter, so no later word of that letter
// can be made either: go on at the next first letter they hold, or at the next letter count.
bool Dictionary::SkipToNextLetter() {
  int c = FoldCase(buffer[1]) + 1;
  while (c <= 'z' && letters->Count(static_cast<char>(c)) == 0) ++c;
  if (c <= 'z') {
    JumpTo(letterCount, c - 'a');
    return true;
  }
  if (letterCount >= MaxWordLength) return false;
  JumpTo(letterCount + 1, 0);
  return true;
}

bool Dictionary::StopRequested() {
  if (searchStop && searchStop->load(std::memory_order_relaxed)) return true;
  return cancelled.load(std::memory_order_relaxed) &&
         cancelled.exchange(false, std::memory_order_relaxed);
}

// In a sound lexicon every jump of a walk leads forward; one that leads back can only come from
// a damaged index, and would go round in circles, so it ends the lexicon instead.
void Dictionary::JumpTo(int32_t count, int column) {
  MoveTo(count, column, std::max(readPos, kWordStreamOffset));
}

// Positions at the index entry of a letter count and first-letter column. An entry below
// lowest or past the data ends the lexicon.
void Dictionary::MoveTo(int32_t count, int column, size_t lowest) {
  letterCount = count;
  wordLength = 0;  // the first word read from here shares nothing
  atEnd = true;
  if (!index) return;
  const uint32_t offset = ReadU32(index + 4 * ((count - 1) * kIndexColumns + column));
  if (offset < lowest || offset > dataLength) return;
  if (!inMemory && std::fseek(file.handle, static_cast<long>(offset), SEEK_SET) != 0) return;
  readPos = offset;
  atEnd = false;
}

// Searches read images, so the memory source is the one to keep fast: a word's tail is a few
// bytes, copied in place rather than by a library call.
inline int Dictionary::ReadByte() {
  if (!inMemory) return ReadFileByte();
  if (readPos >= dataLength || startOfLex[readPos] == 0xFF) return -1;
  return startOfLex[readPos++];
}

inline bool Dictionary::ReadBytes(size_t offset, size_t count) {
  if (count > dataLength - readPos) return false;
  if (!inMemory) return ReadFileBytes(offset, count);
  const uint8_t* source = startOfLex + readPos;
  char* target = buffer.data() + offset;
  for (size_t i = 0; i < count; ++i) target[i] = static_cast<char>(source[i]);
  readPos += count;
  return true;
}

bool Dictionary::ReadWord() {
  if (atEnd) return false;
  int control = ReadByte();
  while (control == LengthStep && letterCount <= MaxWordLength) {
    ++letterCount;
    control = ReadByte();
  }
  if (control < 0 || letterCount > MaxWordLength) return EndOfData();
  const int32_t shared = ControlShared(static_cast<uint8_t>(control));
  const int32_t length = letterCount + ControlMarks(static_cast<uint8_t>(control));
  if (shared > wordLength || shared > length) return EndOfData();
  if (!ReadBytes(1 + shared, length - shared)) return EndOfData();
  sharedPrefix = shared;
  // The shared characters were looked at with the word before; only the tail is new. A tail
  // holding a non-letter sets the bound at its start, which is enough to keep the word away
  // from the fast form without finding the exact place.
  if (firstNonLetter >= shared) {
    uint8_t tailClasses = kLetter;
    for (int32_t i = 1 + shared; i <= length; ++i) tailClasses &= ClassOf(buffer[i]);
    firstNonLetter = tailClasses ? length : shared;
  }
  buffer[1 + length] = '@';
  buffer[2 + length] = '\0';
  wordLength = length;
  ++wordsRead;
  return true;
}

bool Dictionary::EndOfData() {
  atEnd = true;
  return false;
}

int Dictionary::ReadFileByte() {
  const int byte = std::fgetc(file.handle);
  if (byte >= 0) ++readPos;
  return byte;
}

bool Dictionary::ReadFileBytes(size_t offset, size_t count) {
  if (std::fread(buffer.data() + offset, 1, count, file.handle) != count) return false;
  readPos += count;
  return true;
}
