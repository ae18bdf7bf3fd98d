#pragma once
// A compiled pattern's fast form for entries made of letters only, which are most of any
// lexicon. In such an entry there is no mark to pass over, no hyphen to make optional and no
// word to stay inside, so "each segment at the first place it can" is plain glob matching: a
// segment's leading blanks are taken where the last one ended, the rest is found at the leftmost
// place where every position fits. Each position is a 256-entry table of the bytes it accepts,
// built once from the pattern and the case flag, so matching costs a load per character.
// RegExp keeps the general matcher for every other entry.

#include <cstdint>
#include <vector>

class RegExp;

class LetterPattern {
 public:
  // Compiles the matcher's current pattern and case flag; false (and an empty form) for a shape
  // the fast form does not cover, which leaves every entry to the general matcher.
  bool Build(const RegExp& matcher);
  void Clear();
  bool Ready() const { return ready; }
  // framedEntry is "&" + letters + "@", the letters all IsLetter; the same answer as
  // RegExp::Match.
  bool Match(const char* framedEntry, int32_t letters) const;

 private:
  struct Segment {
    int32_t lead = 0;       // leading blanks, each one letter taken in place
    uint32_t first = 0;     // first of the positions after the blanks, in `positions`
    int32_t width = 0;      // number of those positions
    bool anchored = false;  // the opening segment: its place is fixed
    bool atEnd = false;     // its last position takes only '@', so it can only end the entry
  };

  uint32_t AddTable(const uint8_t (&accepts)[256]);
  void AddSegment(Segment& segment);
  bool FitsAt(const Segment& segment, const char* at) const {
    const uint32_t* position = positions.data() + segment.first;
    for (int32_t j = 0; j < segment.width; ++j)
      if (!tables[position[j] + static_cast<uint8_t>(at[j])]) return false;
    return true;
  }

  bool ready = false;
  std::vector<Segment> segments;
  std::vector<uint32_t> positions;  // offset of each position's table in `tables`
  std::vector<uint8_t> tables;      // 256 bytes a table: 1 where the byte is accepted
};
