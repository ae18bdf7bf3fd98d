#pragma once
// A compiled pattern's fast form for entries made of letters only, which are most of any
// lexicon. In such an entry there is no mark to pass over, no hyphen to make optional and no
// word to stay inside, so "each segment at the first place it can" is plain glob matching: a
// segment's leading blanks are taken where the last one ended, the rest is found at the leftmost
// place where every position fits. Each position is a 256-entry table of the bytes it accepts,
// built once from the pattern and the case flag, so matching costs a load per character.
// RegExp keeps the general matcher for every other entry.

#include <cstdint>
#include <string>
#include <vector>

#include "search/pattern/MatchNodes.h"

class LetterPattern {
 public:
  // '?' in a text segment: any one letter.
  static constexpr char kAnyLetter = '?';
  // Compiles the segments of a pattern as RegExp compiled them (text segments for a plain
  // pattern, match nodes for the others) with its case flag; false (and an empty form) for a
  // shape the fast form does not cover, which leaves every entry to the general matcher.
  bool Build(const std::vector<std::string>& textSegments, bool caseSensitive);
  bool Build(const std::vector<std::vector<const AbstractMatch*>>& nodeSegments,
             bool caseSensitive);
  void Clear();
  bool Ready() const { return ready; }
  // The first letters (bit 0 for a, folded) an entry can begin with and match: the pattern's
  // first position tests every stored word's first letter, marks or not. Every bit when that
  // position is a blank or there is none.
  static constexpr uint32_t kEveryFirstLetter = (1u << 26) - 1;
  uint32_t FirstLetters() const { return firstLetters; }
  // framedEntry is "&" + letters + "@", the letters all IsLetter; the same answer as
  // RegExp::Match.
  bool Match(const char* framedEntry, int32_t letters) const;
  // A pattern whose last segment follows a '*' and ends the entry ("*ing", "*[aeiou]3") can only
  // match where that tail fits the end of the entry. Most words fail there, so a scan asks this
  // first and leaves Match the few that pass. A copy of plain pointers, so that a scan keeps it
  // in registers; valid until the pattern is built again.
  class Tail;
  Tail FixedTail() const;

 private:
  // One position of a segment: the entry byte `offset` places after the segment's start must be
  // accepted by the table at `table` in `tables`.
  struct Check {
    uint32_t table = 0;
    int32_t offset = 0;
  };
  struct Segment {
    int32_t lead = 0;        // leading blanks, each one letter taken in place
    int32_t width = 0;       // positions after the blanks
    uint32_t first = 0;      // the first of their checks in `checks`
    int32_t checkCount = 0;  // those positions that need a test
    bool anchored = false;   // the opening segment: its place is fixed
    bool atEnd = false;      // its last position takes no letter, so it can only end the entry
  };

  bool Finish();
  uint32_t AddTable(const uint8_t (&accepts)[256]);
  void AddSegment(Segment& segment, const std::vector<uint32_t>& body);
  void NoteFirstLetters(const Segment& segment, const std::vector<uint32_t>& body);
  // Every position must fit, so they are tested in any order: the ones that let fewest letters
  // through go first, and most entries are refused by the first test.
  bool FitsAt(const Segment& segment, const char* at) const {
    const Check* check = checks.data() + segment.first;
    for (int32_t j = 0; j < segment.checkCount; ++j, ++check)
      if (!tables[check->table + static_cast<uint8_t>(at[check->offset])]) return false;
    return true;
  }

  bool ready = false;
  bool hasTail = false;  // the last segment is placed at the end alone, after a '*'
  uint32_t firstLetters = kEveryFirstLetter;
  std::vector<Segment> segments;
  std::vector<Check> checks;         // each segment's positions, most selective first
  std::vector<uint8_t> tables;       // 256 bytes a table: 1 where the byte is accepted
  std::vector<int> lettersThrough;  // how many letters each table accepts
  std::vector<uint32_t> lastBody;   // the last segment's table at each position, in order
};

class LetterPattern::Tail {
 public:
  bool Present() const { return present; }
  // The letters the tail takes; its last position is the entry's closing '@'.
  int32_t Letters() const { return letters; }
  // Whether the tail fits at `at`, which holds Letters() letters and the '@'. Most words fail
  // the first, most selective test; the others are left out of line, which keeps a scan's loop
  // small enough for its registers.
  bool FitsAt(const char* at) const {
    return checkCount == 0 || (Takes(checks[0], at) && FitsAfterFirst(at));
  }
  // Whether the tail's letter at `position` (from 0) may be c.
  bool TakesAt(int32_t position, char c) const {
    return tables[positions[position] + static_cast<uint8_t>(c)];
  }
  // The pattern is '*' and the tail, so FitsLetters is the whole match of an entry of letters.
  bool DecidesAlone() const { return decidesAlone; }
  // For an entry of letters only, framed: false when the pattern cannot match it. True when
  // there is no tail (which has no letters and no checks).
  bool FitsLetters(const char* framedEntry, int32_t letterCount) const {
    return letterCount >= shortest && FitsAt(framedEntry + letterCount + 1 - letters);
  }

 private:
  friend class LetterPattern;
  bool present = false;
  bool decidesAlone = false;
  int32_t letters = 0;
  // The fewest letters of an entry it fits: its own, and one for each blank before it.
  int32_t shortest = 0;
  int32_t checkCount = 0;
  const Check* checks = nullptr;
  const uint32_t* positions = nullptr;  // the table of each position, in order
  const uint8_t* tables = nullptr;

  bool Takes(const Check& check, const char* at) const {
    return tables[check.table + static_cast<uint8_t>(at[check.offset])];
  }
  [[gnu::noinline]] bool FitsAfterFirst(const char* at) const {
    for (int32_t j = 1; j < checkCount; ++j)
      if (!Takes(checks[j], at)) return false;
    return true;
  }
};
