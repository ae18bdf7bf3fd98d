#pragma once
// The character model of words: four 256-entry tables over Windows-1252 bytes and the word rules
// built on them. Every part that looks at letters goes through these.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

// Bits of CharClass.
constexpr uint8_t kWordChar = 0x01;
constexpr uint8_t kAsciiLetter = 0x02;
constexpr uint8_t kMark = 0x04;
constexpr uint8_t kUpper = 0x08;
constexpr uint8_t kLower = 0x10;
constexpr uint8_t kLetter = 0x20;
constexpr uint8_t kVowel = 0x40;
constexpr uint8_t kPatternChar = 0x80;

constexpr int MaxWordLength = 30;
constexpr int MaxWordMarks = 7;
constexpr uint8_t kNoLetterIndex = 255;
constexpr uint8_t kBlankIndex = 26;

extern const std::array<uint8_t, 256> CharClass;
extern const std::array<uint8_t, 256> FoldInsensitive;  // case and accents folded
extern const std::array<uint8_t, 256> FoldSensitive;    // accents folded, case kept
extern const std::array<uint8_t, 256> LetterIndex;      // letters to 0-25, '?' to 26, else 255

inline uint8_t ClassOf(char c) { return CharClass[static_cast<uint8_t>(c)]; }
inline bool IsLetter(char c) { return ClassOf(c) & kLetter; }
inline bool IsMark(char c) { return ClassOf(c) & kMark; }
inline uint8_t FoldCase(char c) { return FoldInsensitive[static_cast<uint8_t>(c)]; }

// Lower case as the program writes it: an upper-case letter gains 32, except Y diaeresis (0x9F),
// whose lower-case form is 0xFF. Every other byte stays.
inline char LowerCaseLetter(char c) {
  if (static_cast<uint8_t>(c) == 0x9F) return '\xFF';
  return (ClassOf(c) & kUpper) ? static_cast<char>(c + 32) : c;
}
// The reverse: a lower-case letter loses 32, and 0xFF becomes 0x9F.
inline char UpperCaseLetter(char c) {
  if (static_cast<uint8_t>(c) == 0xFF) return '\x9F';
  return (ClassOf(c) & kLower) ? static_cast<char>(c - 32) : c;
}

int CountLetters(const char* word);
// Number of marks, or -1 as soon as a character that may not stand in a word is met.
int CountMarks(const char* word);
// The letter count of a valid word, 0 for an invalid one.
int ValidWordLength(const char* word);
// Trims the line in place and returns the valid word inside it, or null; the letter count
// (0 when invalid) goes to letterCount either way.
char* CleanWord(char* line, int* letterCount);
// Alphabetical order: case and accents never decide between words without marks.
int CompareWords(const char* a, const char* b);
// CompareWords of two words whose first `same` bytes are known to be identical, for callers
// that found the common start by faster means.
int CompareWordsAfterCommonStart(const char* a, const char* b, size_t same);
// Lexicon order: letter count, then CompareWords.
int CompareWordStrings(const std::string& a, const std::string& b);
