#include "search/pattern/SrcLetters.h"

#include <algorithm>
#include <cassert>

#include "foundation/CharClass.h"
#include "search/pattern/FindText.h"

namespace {

// A finite count never reaches 255, which means unlimited: only an upper-case letter may make
// a letter unlimited, however many lower-case ones or blanks are typed.
constexpr uint8_t kMostFinite = SrcLetters::kUnlimited - 1;

bool CountsAsVowel(char c) { return (ClassOf(c) & kVowel) || c == '?'; }

void DropOne(uint32_t& count) {
  if (count > 0) --count;
}

}  // namespace

int SrcLetters::Slot(char c) { return LetterIndex[static_cast<uint8_t>(c)]; }

SrcLetters SrcLetters::FromRemaining(const SrcLetters& other) {
  SrcLetters letters;
  std::copy_n(other.Work(), kSlots, letters.Base());
  std::copy_n(other.Work(), kSlots, letters.Work());
  letters.vowels = letters.workVowels = other.workVowels;
  letters.total = letters.workTotal = other.workTotal;
  return letters;
}

void SrcLetters::Set(const std::string& text) {
  counts.fill(0);
  vowels = total = workVowels = workTotal = 0;
  AddLetters(text);
}

void SrcLetters::AddLetters(const std::string& text) {
  for (char c : text) AddLetter(c);
}

void SrcLetters::AddLetter(char c) {
  const bool letter = IsLetter(c);
  if (!letter && c != '?') return;
  uint8_t& count = Base()[Slot(c)];
  if (letter && (ClassOf(c) & kUpper)) {
    count = kUnlimited;
    total = kUnlimitedTotal;
  } else if (count < kMostFinite) {
    ++count;
    if (total < kMostFinite) ++total;
  }
  if (CountsAsVowel(c)) ++vowels;
}

void SrcLetters::AddPatternLetters(const std::string& pattern) {
  for (char c : PlainPatternLetters(pattern)) AddLetter(c);
}

uint8_t SrcLetters::Count(char c) const {
  const int slot = Slot(c);
  assert(slot < kSlots && "Count takes a letter or '?'");
  return slot < kSlots ? Base()[slot] : 0;
}

uint8_t SrcLetters::WorkCount(char c) const {
  const int slot = Slot(c);
  assert(slot < kSlots && "WorkCount takes a letter or '?'");
  return slot < kSlots ? Work()[slot] : 0;
}

bool SrcLetters::Take(char c) {
  if (!IsLetter(c) && c != '?') return true;
  uint8_t& count = Base()[Slot(c)];
  if (count > 0) {
    if (count != kUnlimited) {
      --count;
      if (total != kUnlimitedTotal) DropOne(total);
      if (CountsAsVowel(c)) DropOne(vowels);
    }
    return true;
  }
  uint8_t& blanks = Base()[kBlankIndex];
  if (blanks == 0) return false;
  --blanks;
  if (total != kUnlimitedTotal) DropOne(total);
  DropOne(vowels);
  return true;
}

void SrcLetters::TakeLetters(const std::string& text) {
  for (char c : text) Take(c);
}

uint32_t SrcLetters::TryWord(const char* word, char terminator) {
  uint8_t* work = Work();
  std::copy_n(Base(), kSlots, work);
  workVowels = vowels;
  workTotal = total;
  uint32_t letters = 0;
  for (uint32_t p = 0; word[p] != terminator && word[p] != '\0'; ++p) {
    const char c = word[p];
    if (!IsLetter(c)) continue;
    int slot = Slot(c);
    if (work[slot] == 0) slot = kBlankIndex;
    if (work[slot] == 0) return p + 1;
    // A letter drawn from an unlimited count uses up no vowel either.
    if (work[slot] != kUnlimited) {
      --work[slot];
      if (ClassOf(c) & kVowel) DropOne(workVowels);
    }
    ++letters;
  }
  if (workTotal != kUnlimitedTotal) workTotal = letters > workTotal ? 0 : workTotal - letters;
  return 0;
}
