#pragma once
// The FROM letters: a multiset of the 26 letters plus the blank '?'. A lower-case letter may be
// used once per occurrence, an upper-case one any number of times (count 255), and a blank
// stands for any one letter. Accented letters count as their base letter.
//
// Base counts stay as set for a whole search; TryWord spells each candidate on a working copy
// that lives beside them, so trying a word allocates nothing.

#include <array>
#include <cstdint>
#include <string>

class SrcLetters {
 public:
  static constexpr uint8_t kUnlimited = 255;
  static constexpr uint32_t kUnlimitedTotal = 255;
  static constexpr int kSlots = 27;  // a-z, then the blank

  SrcLetters() = default;
  // The letters left after the other's last TryWord.
  static SrcLetters FromRemaining(const SrcLetters& other);

  void Set(const std::string& text);
  SrcLetters& operator=(const std::string& text) {
    Set(text);
    return *this;
  }
  void AddLetters(const std::string& text);
  void AddLetter(char c);
  // Adds the plain letters of a FIND pattern, lower-cased: none inside brackets, none after '^'.
  void AddPatternLetters(const std::string& pattern);

  // The base count of a letter or of '?'.
  uint8_t Count(char c) const;
  // The base counts of a-z, then of the blank.
  const uint8_t* Counts() const { return Base(); }
  // Removes one c, or failing that one blank; false when neither is left. Characters that are
  // neither letters nor '?' are taken without effect.
  bool Take(char c);
  void TakeLetters(const std::string& text);
  // 0 when the letters spell the word (read up to the terminator or a NUL, marks passed over);
  // otherwise the position, counted from 1 over every character, of the first letter they cannot
  // supply. 1 thus means the first letter is missing.
  uint32_t TryWord(const char* word, char terminator);

  uint32_t Total() const { return total; }
  uint32_t Vowels() const { return vowels; }
  uint32_t WorkTotal() const { return workTotal; }
  uint32_t WorkVowels() const { return workVowels; }
  uint8_t WorkCount(char c) const;

 private:
  static int Slot(char c);
  uint8_t* Base() { return counts.data(); }
  uint8_t* Work() { return counts.data() + kSlots; }
  const uint8_t* Base() const { return counts.data(); }
  const uint8_t* Work() const { return counts.data() + kSlots; }

  std::array<uint8_t, 2 * kSlots> counts{};  // base counts, then the working copy
  uint32_t vowels = 0;  // vowels and blanks added
  uint32_t total = 0;   // letters available; kUnlimitedTotal once any letter is unlimited
  uint32_t workVowels = 0;
  uint32_t workTotal = 0;
};
