#include "search/LetterPattern.h"

#include <cstring>

#include "search/RegExp.h"

namespace {

using Accepts = uint8_t[256];

// A byte never reaches a position past the entry's '@', so the terminator is left out.
void AcceptLetters(Accepts& accepts) {
  for (int c = 1; c < 256; ++c) accepts[c] = IsLetter(static_cast<char>(c)) ? 1 : 0;
}

bool AcceptsAnyLetter(const uint8_t* accepts) {
  for (int c = 1; c < 256; ++c)
    if (accepts[c] && IsLetter(static_cast<char>(c))) return true;
  return false;
}

}  // namespace

void LetterPattern::Clear() {
  ready = false;
  segments.clear();
  positions.clear();
  tables.clear();
}

bool LetterPattern::Build(const RegExp& matcher) {
  Clear();
  const bool caseSensitive = matcher.CaseSensitive();
  const auto& fold = caseSensitive ? FoldSensitive : FoldInsensitive;
  Accepts accepts{};
  if (matcher.UsesNodes()) {
    for (const auto& nodes : matcher.NodeSegments()) {
      Segment segment;
      size_t i = 0;
      // The opening '&' always stands on the entry's own '&', which the general matcher skips.
      if (segments.empty()) {
        if (nodes.empty() || nodes[0]->kind != AbstractMatch::kStartWord) return false;
        segment.anchored = true;
        i = 1;
      }
      for (; i < nodes.size() && nodes[i]->kind == AbstractMatch::kAny; ++i) ++segment.lead;
      segment.first = static_cast<uint32_t>(positions.size());
      for (; i < nodes.size(); ++i) {
        for (int c = 1; c < 256; ++c)
          accepts[c] = nodes[i]->Match(static_cast<char>(c), caseSensitive) ? 1 : 0;
        positions.push_back(AddTable(accepts));
      }
      AddSegment(segment);
    }
  } else {
    for (const std::string& text : matcher.TextSegments()) {
      Segment segment;
      size_t i = 0;
      if (segments.empty()) {
        if (text.empty() || text[0] != '&') return false;
        segment.anchored = true;
        i = 1;
      }
      for (; i < text.size() && text[i] == RegExp::ANY_SINGLE_CHAR; ++i) ++segment.lead;
      segment.first = static_cast<uint32_t>(positions.size());
      for (; i < text.size(); ++i) {
        const char wanted = text[i];
        if (wanted == RegExp::ANY_SINGLE_CHAR) {
          AcceptLetters(accepts);
        } else {
          const uint8_t folded = fold[static_cast<uint8_t>(wanted)];
          for (int c = 1; c < 256; ++c)
            accepts[c] = fold[c] == folded || (wanted == ' ' && c == '-') ? 1 : 0;
        }
        positions.push_back(AddTable(accepts));
      }
      AddSegment(segment);
    }
  }
  ready = !segments.empty();
  return ready;
}

// Patterns repeat the same few positions, so equal tables are kept once.
uint32_t LetterPattern::AddTable(const Accepts& accepts) {
  for (size_t offset = 0; offset < tables.size(); offset += 256)
    if (std::memcmp(tables.data() + offset, accepts, 256) == 0) return static_cast<uint32_t>(offset);
  const auto offset = static_cast<uint32_t>(tables.size());
  tables.insert(tables.end(), accepts, accepts + 256);
  return offset;
}

// In an entry of letters the only byte that is no letter is its closing '@', so a segment
// whose last position takes no letter can only end the entry: it is tried there alone.
void LetterPattern::AddSegment(Segment& segment) {
  segment.width = static_cast<int32_t>(positions.size() - segment.first);
  if (segment.width > 0)
    segment.atEnd = !AcceptsAnyLetter(tables.data() + positions.back());
  segments.push_back(segment);
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
      if (p + width > end || !FitsAt(segment, e + p)) return false;
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
