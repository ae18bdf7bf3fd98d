#include "search/lexicon/Dictionary.h"

#include <algorithm>
#include <bit>
#include <utility>

#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "search/SearchTextIds.h"
#include "search/lexicon/LexiconFormat.h"

Dictionary::Dictionary(const VirtualLex& lexicon) : Dictionary(lexicon.Image()) {
  path = lexicon.path;
}

Dictionary::Dictionary(std::shared_ptr<const LexImage> loaded)
    : inMemory(true), image(std::move(loaded)) {
  if (!image || image->Size() < kWordStreamOffset) return;
  startOfLex = image->Data();
  dataLength = image->Size();
  index = startOfLex;
  const DictionaryHeader header = DecodeHeader(startOfLex + kHeaderOffset);
  wordCount = header.wordCount;
  isLexicon = header.magic == kLexiconMagic;
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
  const DictionaryHeader decoded = DecodeHeader(header);
  wordCount = decoded.wordCount;
  isLexicon = decoded.magic == kLexiconMagic;
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
    endedAtDataEnd = false;
    const int32_t start = std::max({1, matcher.MinLength(), minLetters});
    if (start > MaxWordLength) return kNoMoreWords;
    if (firstLetter == 0) firstLetter = static_cast<char>(FoldCase(pattern[0]));
    int column = firstLetter >= 'a' && firstLetter <= 'z' ? firstLetter - 'a' : 0;
    firstLetters = patternStartsWithLetter ? LetterPattern::kEveryFirstLetter
                                           : matcher.FirstLetters();
    if (firstLetters != 0) column = std::max(column, std::countr_zero(firstLetters));
    MoveTo(start, column, kWordStreamOffset);
  }

  const bool skimImage = inMemory && !matchAll;
  for (;;) {
    bool matched = false;  // the skim stopped at a word the matcher took
    const bool inBuffer = skimImage && SkipRefusedWords(matched);
    if (!inBuffer && !ReadWord()) return kNoMoreWords;
    const int32_t failedBefore = std::exchange(unspellablePrefix, 0);
    if (StopRequested()) return kCancelled;
    if (matcher.SegmentCount() == 1 && walk.letterCount > matcher.MinLength()) return kNoMoreWords;
    if (patternStartsWithLetter) {
      // Past the pattern's first letter: nothing more of this letter count can match.
      const uint8_t wanted = FoldCase(patternText[0]);
      if (FoldCase(buffer[1]) > wanted) {
        if (walk.letterCount + 1 > MaxWordLength) return kNoMoreWords;
        JumpTo(walk.letterCount + 1, wanted - 'a');
        continue;
      }
    } else if (OutsideFirstLetters(buffer[1])) {
      if (!JumpToFirstLetterAfter(FoldCase(buffer[1]) - 'a')) return kNoMoreWords;
      continue;
    }
    if (!matchAll && !matched) {
      matched = walk.firstNonLetter == walk.wordLength
                    ? matcher.MatchLetters(buffer.data(), walk.wordLength)
                    : matcher.Match(buffer.data());
      if (!matched) continue;
    }
    if (letters) {
      if (letters->Total() < static_cast<uint32_t>(walk.letterCount)) return kNoMoreWords;
      // The letters spell a word from its start, so a word that begins with the characters the
      // word before could not be spelt up to fails at the same place.
      if (failedBefore >= 2 && walk.sharedPrefix >= failedBefore) {
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
    buffer[1 + walk.wordLength] = '\0';
    lastWordLength = walk.wordLength;
    *word = buffer.data() + 1;
    return kFound;
  }
}

// Passes over the image's words that the step above would only decode and see the pattern
// refuse, with the walk held in locals. Stops at the first word it cannot settle alone: true
// when that word is decoded into the buffer and waits for the rest of the step (matched set
// when the matcher has taken it already), false when the step is to read it.
bool Dictionary::SkipRefusedWords(bool& matched) {
  if (atEnd) return false;
  // The step above ends a fixed-length pattern's walk past its length.
  if (matcher.SegmentCount() == 1 && walk.letterCount > matcher.MinLength()) return false;
  // Everything the loop reads is held in locals: its stores into the word buffer would otherwise
  // make the compiler read each member again at every word.
  const int lastFirstLetter = patternStartsWithLetter ? FoldCase(patternText[0]) : 255;
  const uint32_t first = firstLetters;
  const LetterPattern::Tail tail = matcher.FixedTail();
  const std::atomic<bool>* const stop = searchStop;
  const uint8_t* const image = startOfLex;
  const size_t size = dataLength;
  char* const framed = buffer.data();
  WordWalk local = walk;
  uint64_t decoded = 0;
  bool inBuffer = false;
  while (!(stop && stop->load(std::memory_order_relaxed)) &&
         !cancelled.load(std::memory_order_relaxed) &&
         DecodeImageWord(image, size, framed, local)) {
    ++decoded;
    // A word that shares its start with the one before has the first letter that one passed.
    if (local.sharedPrefix == 0) {
      const char c = framed[1];
      inBuffer =
          FoldCase(c) > lastFirstLetter || (IsLetter(c) && !(first >> (FoldCase(c) - 'a') & 1));
      if (inBuffer) break;
    }
    // Most words fail a pattern's fixed tail, marks or not: refused here, neither matcher sees
    // them.
    if (local.firstNonLetter != local.wordLength) {
      if (!RegExp::TailMayFit(tail, framed, local.wordLength, local.letterCount)) continue;
      inBuffer = true;
      break;
    }
    if (!tail.FitsLetters(framed, local.wordLength)) continue;
    inBuffer = matched = tail.DecidesAlone() || matcher.MatchLetters(framed, local.wordLength);
    if (inBuffer) break;
  }
  walk = local;
  wordsRead += decoded;
  // The step above clears this at every word, the refused ones included.
  if (decoded > (inBuffer ? 1u : 0u)) unspellablePrefix = 0;
  return inBuffer;
}

// A word that begins with a letter the pattern cannot begin with: the rest of its column of the
// index holds no match either. A first byte that is no letter (a damaged word) is left to the
// matcher.
inline bool Dictionary::OutsideFirstLetters(char first) const {
  return IsLetter(first) && !(firstLetters >> (FoldCase(first) - 'a') & 1);
}

// Goes on at the next column after this one whose letter the pattern can begin with, or at the
// first such column of the next letter count; false when there is none.
bool Dictionary::JumpToFirstLetterAfter(int column) {
  const uint32_t later = firstLetters & ~((2u << column) - 1);
  if (later != 0) {
    JumpTo(walk.letterCount, std::countr_zero(later));
    return true;
  }
  if (walk.letterCount >= MaxWordLength || firstLetters == 0) return false;
  JumpTo(walk.letterCount + 1, std::countr_zero(firstLetters));
  return true;
}

// The FROM letters cannot supply this word's first letter, so no later word of that letter
// can be made either: go on at the next first letter they hold, or at the next letter count.
bool Dictionary::SkipToNextLetter() {
  int c = FoldCase(buffer[1]) + 1;
  while (c <= 'z' && letters->Count(static_cast<char>(c)) == 0) ++c;
  if (c <= 'z') {
    JumpTo(walk.letterCount, c - 'a');
    return true;
  }
  if (walk.letterCount >= MaxWordLength) return false;
  JumpTo(walk.letterCount + 1, 0);
  return true;
}

// Whether StopRequested would answer true, without clearing the request.
inline bool Dictionary::StopPending() const {
  return (searchStop && searchStop->load(std::memory_order_relaxed)) ||
         cancelled.load(std::memory_order_relaxed);
}

inline bool Dictionary::StopRequested() {
  if (searchStop && searchStop->load(std::memory_order_relaxed)) return true;
  return cancelled.load(std::memory_order_relaxed) &&
         cancelled.exchange(false, std::memory_order_relaxed);
}

// In a sound lexicon every jump of a walk leads forward; one that leads back can only come from
// a damaged index, and would go round in circles, so it ends the lexicon instead.
void Dictionary::JumpTo(int32_t count, int column) {
  MoveTo(count, column, std::max(walk.readPos, kWordStreamOffset));
}

// Positions at the index entry of a letter count and first-letter column. An entry below
// lowest or past the data ends the lexicon.
void Dictionary::MoveTo(int32_t count, int column, size_t lowest) {
  walk.letterCount = count;
  walk.wordLength = 0;  // the first word read from here shares nothing
  atEnd = true;
  if (!index) return;
  const uint32_t offset = ReadU32(index + 4 * ((count - 1) * kIndexColumns + column));
  if (offset < lowest || offset > dataLength) return;
  if (!inMemory && std::fseek(file.handle, static_cast<long>(offset), SEEK_SET) != 0) return;
  walk.readPos = offset;
  atEnd = false;
}

// The general step's reads: every word of a file, and the words of an image that the fast
// step leaves to it.
inline int Dictionary::ReadByte() {
  if (!inMemory) return ReadFileByte();
  if (walk.readPos >= dataLength || startOfLex[walk.readPos] == 0xFF) return -1;
  return startOfLex[walk.readPos++];
}

inline bool Dictionary::ReadBytes(size_t offset, size_t count) {
  if (count > dataLength - walk.readPos) return false;
  if (!inMemory) return ReadFileBytes(offset, count);
  const uint8_t* source = startOfLex + walk.readPos;
  char* target = buffer.data() + offset;
  for (size_t i = 0; i < count; ++i) target[i] = static_cast<char>(source[i]);
  walk.readPos += count;
  return true;
}

inline bool Dictionary::ReadWord() {
  if (atEnd) return false;
  if (inMemory && DecodeImageWord(startOfLex, dataLength, buffer.data(), walk)) {
    ++wordsRead;
    return true;
  }
  int control = ReadByte();
  while (control == LengthStep && walk.letterCount <= MaxWordLength) {
    ++walk.letterCount;
    control = ReadByte();
  }
  if (control < 0) endedAtDataEnd = walk.readPos == dataLength;
  if (control < 0 || walk.letterCount > MaxWordLength) return EndOfData();
  const int32_t shared = ControlShared(static_cast<uint8_t>(control));
  const int32_t length = walk.letterCount + ControlMarks(static_cast<uint8_t>(control));
  if (shared > walk.wordLength || shared > length) return EndOfData();
  if (!ReadBytes(1 + shared, length - shared)) return EndOfData();
  walk.sharedPrefix = shared;
  walk.wordLength = length;
  NoteTailLetters(walk, AllLetters(buffer.data() + 1 + shared, length - shared));
  buffer[1 + length] = '@';
  buffer[2 + length] = '\0';
  ++wordsRead;
  return true;
}

void Dictionary::CheckLexicon() const {
  if (!isLexicon) throw SorvaneException(LoadResString(kNotALexiconText) + path);
}

void Dictionary::CheckReadWhole() const {
  CheckLexicon();
  if (!endedAtDataEnd || wordsRead != wordCount) ThrowDamaged();
}

void Dictionary::ThrowDamaged() const {
  throw SorvaneException(LoadResString(kDamagedLexiconText) + path);
}

bool Dictionary::EndOfData() {
  atEnd = true;
  return false;
}

int Dictionary::ReadFileByte() {
  const int byte = std::fgetc(file.handle);
  if (byte >= 0) ++walk.readPos;
  return byte;
}

bool Dictionary::ReadFileBytes(size_t offset, size_t count) {
  if (std::fread(buffer.data() + offset, 1, count, file.handle) != count) return false;
  walk.readPos += count;
  return true;
}
