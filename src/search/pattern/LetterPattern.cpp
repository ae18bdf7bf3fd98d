#include "search/pattern/LetterPattern.h"

#include <algorithm>
#include <cstring>

#include "foundation/CharClass.h"

namespace {

using Accepts = uint8_t[256];

// A byte never reaches a position past the entry's '@', so the terminator is left out.
void AcceptLetters(Accepts& accepts) {
  for (int c = 1; c < 256; ++c) accepts[c] = IsLetter(static_cast<char>(c)) ? 1 : 0;
}

int LettersAccepted(const Accepts& accepts) {
  int letters = 0;
  for (int c = 1; c < 256; ++c) letters += accepts[c] && IsLetter(static_cast<char>(c));
  return letters;
}

const int kAllLetters = [] {
  Accepts letters{};
  AcceptLetters(letters);
  return LettersAccepted(letters);
}();

}  // namespace

void LetterPattern::Clear() {
  ready = false;
  hasTail = false;
  firstLetters = kEveryFirstLetter;
  segments.clear();
  checks.clear();
  tables.clear();
  lettersThrough.clear();
  lastBody.clear();
}

bool LetterPattern::Build(const std::vector<std::vector<const AbstractMatch*>>& nodeSegments,
                          bool caseSensitive) {
  Clear();
  Accepts accepts{};
  std::vector<uint32_t> body;  // the tables of one segment's positions after its blanks
  for (const auto& nodes : nodeSegments) {
    Segment segment;
    size_t i = 0;
    // The opening '&' always stands on the entry's own '&', which the general matcher skips.
    if (segments.empty()) {
      if (nodes.empty() || nodes[0]->kind != AbstractMatch::kStartWord) return false;
      segment.anchored = true;
      i = 1;
    }
    for (; i < nodes.size() && nodes[i]->kind == AbstractMatch::kAny; ++i) ++segment.lead;
    body.clear();
    for (; i < nodes.size(); ++i) {
      for (int c = 1; c < 256; ++c)
        accepts[c] = nodes[i]->Match(static_cast<char>(c), caseSensitive) ? 1 : 0;
      body.push_back(AddTable(accepts));
    }
    AddSegment(segment, body);
  }
  return Finish();
}

bool LetterPattern::Build(const std::vector<std::string>& textSegments, bool caseSensitive) {
  Clear();
  const auto& fold = caseSensitive ? FoldSensitive : FoldInsensitive;
  Accepts accepts{};
  std::vector<uint32_t> body;
  for (const std::string& text : textSegments) {
    Segment segment;
    size_t i = 0;
    if (segments.empty()) {
      if (text.empty() || text[0] != '&') return false;
      segment.anchored = true;
      i = 1;
    }
    for (; i < text.size() && text[i] == kAnyLetter; ++i) ++segment.lead;
    body.clear();
    for (; i < text.size(); ++i) {
      const char wanted = text[i];
      if (wanted == kAnyLetter) {
        AcceptLetters(accepts);
      } else {
        const uint8_t folded = fold[static_cast<uint8_t>(wanted)];
        for (int c = 1; c < 256; ++c)
          accepts[c] = fold[c] == folded || (wanted == ' ' && c == '-') ? 1 : 0;
      }
      body.push_back(AddTable(accepts));
    }
    AddSegment(segment, body);
  }
  return Finish();
}

LetterPattern::Tail LetterPattern::FixedTail() const {
  Tail tail;
  if (!hasTail) return tail;
  const Segment& last = segments.back();
  tail.present = true;
  // An opening segment of no position is the pattern's leading '*' alone.
  tail.decidesAlone =
      segments.size() == 2 && segments.front().width == 0 && segments.front().lead == 0;
  tail.letters = last.width - 1;
  tail.shortest = tail.letters + last.lead;
  tail.checkCount = last.checkCount;
  tail.checks = checks.data() + last.first;
  tail.positions = lastBody.data();
  tail.tables = tables.data();
  return tail;
}

bool LetterPattern::Finish() {
  ready = !segments.empty();
  hasTail = segments.size() >= 2 && segments.back().atEnd && !segments.back().anchored;
  return ready;
}

// Patterns repeat the same few positions, so equal tables are kept once.
uint32_t LetterPattern::AddTable(const Accepts& accepts) {
  const auto end = static_cast<uint32_t>(tables.size());
  for (uint32_t offset = 0; offset < end; offset += 256)
    if (std::memcmp(tables.data() + offset, accepts, 256) == 0) return offset;
  const uint32_t offset = end;
  tables.insert(tables.end(), accepts, accepts + 256);
  lettersThrough.push_back(LettersAccepted(accepts));
  return offset;
}

// A segment placed anywhere in the entry ends at its '@' at the latest, so every position but
// its last stands on a letter: a position there that takes every letter needs no test. In an
// entry of letters the only byte that is no letter is the closing '@', so a segment whose last
// position takes no letter can only end the entry, and is tried there alone; its last test is
// then settled too when that position takes '@'. What is left is tested most selective first.
void LetterPattern::AddSegment(Segment& segment, const std::vector<uint32_t>& body) {
  if (segments.empty()) NoteFirstLetters(segment, body);
  segment.width = static_cast<int32_t>(body.size());
  segment.first = static_cast<uint32_t>(checks.size());
  const auto letters = [this](uint32_t table) { return lettersThrough[table / 256]; };
  const int32_t last = segment.width - 1;
  if (segment.width > 0) segment.atEnd = letters(body[last]) == 0;
  for (int32_t offset = 0; offset < segment.width; ++offset) {
    const uint32_t table = body[offset];
    const bool settled = offset < last ? letters(table) == kAllLetters
                                       : segment.atEnd && tables[table + '@'];
    if (!settled) checks.push_back({table, offset});
  }
  segment.checkCount = static_cast<int32_t>(checks.size() - segment.first);
  std::stable_sort(checks.begin() + segment.first, checks.end(),
                   [&](const Check& a, const Check& b) {
                     return letters(a.table) < letters(b.table);
                   });
  segments.push_back(segment);
  lastBody = body;
}

void LetterPattern::NoteFirstLetters(const Segment& opening, const std::vector<uint32_t>& body) {
  if (opening.lead > 0 || body.empty()) return;
  firstLetters = 0;
  for (int c = 1; c < 256; ++c) {
    if (IsLetter(static_cast<char>(c)) && tables[body[0] + c])
      firstLetters |= 1u << (FoldCase(static_cast<char>(c)) - 'a');
  }
}

bool LetterPattern::Match(const char* e, int32_t letters) const {
  const int32_t end = letters + 2;  // past the '@'
  int32_t p = 1;                    // past the '&'
  for (const Segment& segment : segments) {
    if (segment.lead > 0) {
      if (p + segment.lead > letters + 1) return false;  // a blank would meet the '@'
      p += segment.lead;
    }
    const int32_t width = segment.width;
    if (width == 0) continue;
    if (segment.anchored) {
      const bool placed = segment.atEnd ? p + width == end : p + width <= end;
      if (!placed || !FitsAt(segment, e + p)) return false;
      p += width;
    } else if (segment.atEnd) {
      const int32_t q = end - width;
      if (q < p || !FitsAt(segment, e + q)) return false;
      p = end;
    } else {
      int32_t q = p;
      while (q + width <= end && !FitsAt(segment, e + q)) ++q;
      if (q + width > end) return false;
      p = q + width;
    }
  }
  return true;
}
