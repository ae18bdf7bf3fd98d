// Whole-entry matching. Apostrophes, commas and full stops of the entry are invisible; a hyphen
// is optional or a separator; '*' stays inside one word. Every scan stops at the entry's
// terminating NUL, whatever the pattern (a pattern may itself hold '@' and use up the frame).

#include "search/pattern/RegExp.h"

bool RegExp::Match(const char* framedEntry) const {
  size_t p = 0;
  if (usesNodes) {
    for (const NodeSegment& segment : nodeSegments)
      if (!MatchNodeSegment(segment, framedEntry, p)) return false;
    return true;
  }
  for (const std::string& segment : textSegments)
    if (!MatchTextSegment(segment, framedEntry, p)) return false;
  return true;
}

bool RegExp::FindSegmentStart(const char* entry, size_t& p, char s) const {
  for (size_t q = p; entry[q]; ++q) {
    const char c = entry[q];
    if (CharsEqual(c, s) || (c == '-' && s == ' ')) {
      p = q;
      return true;
    }
    if (c == ' ' && s != ' ') return false;  // the next word is out of reach
  }
  return false;
}

bool RegExp::MatchTextSegment(const std::string& s, const char* e, size_t& p) const {
  size_t si = 0;
  const bool anchored = e[p] == '&';
  if (anchored) {
    if (s[0] != '&') return false;
    ++p;
    ++si;
  }
  // Leading '?' are taken right where the previous segment ended.
  while (si < s.size() && s[si] == ANY_SINGLE_CHAR) {
    const char c = e[p];
    if (c == '@' || c == ' ' || c == '\0') return false;
    ++p;
    if (!IsMark(c)) ++si;  // a mark is passed over and the '?' waits
  }
  if (si == s.size()) return true;

  for (;;) {
    if (!anchored && !FindSegmentStart(e, p, s[si])) return false;
    size_t k = 0;
    size_t sj = si;
    bool sawSpace = false;
    bool mismatch = false;
    while (sj < s.size()) {
      const char sc = s[sj];
      const char ec = e[p + k];
      if (ec == ' ') sawSpace = true;
      if (ec == '\0' || (ec == '@' && sc != '@')) return false;
      if (IsSkippable(ec)) {
        ++k;
      } else if (sc == ANY_SINGLE_CHAR) {
        ++k;
        if (ec != '-') ++sj;
      } else if (CharsEqual(sc, ec) || (sc == ' ' && ec == '-')) {
        ++k;
        ++sj;
      } else if (ec == '-') {
        ++k;
      } else {
        mismatch = true;
        break;
      }
    }
    if (!mismatch) {
      p += k;
      return true;
    }
    if (sawSpace || anchored) return false;
    ++p;
  }
}

bool RegExp::MatchNodeSegment(const NodeSegment& nodesOf, const char* e, size_t& p) const {
  const size_t n = nodesOf.size();
  size_t i = 0;
  size_t k = 0;
  const bool anchored = e[p] == '&';
  if (anchored && n > 0 && nodesOf[0]->kind == AbstractMatch::kStartWord) i = k = 1;
  // Leading AnyMatch nodes are taken right where the previous segment ended.
  while (i < n && nodesOf[i]->kind == AbstractMatch::kAny) {
    const char c = e[p + k];
    if (c == '@' || c == ' ' || c == '\0') return false;
    ++k;
    if (!IsMark(c)) ++i;
  }
  const bool allTaken = i == n;
  const size_t i0 = i;
  const size_t k0 = k;

  bool result;
  for (;;) {
    if (e[p + k] == '\0') {
      result = allTaken;
      break;
    }
    bool sawSpace = false;
    bool mismatch = false;
    while (i < n) {
      const char c = e[p + k];
      if (c == ' ') sawSpace = true;
      if (IsSkippable(c)) {
        ++k;
        continue;
      }
      const bool matched = nodesOf[i]->Match(c, caseSensitive);
      if (!matched && c != '-') {
        mismatch = true;
        i = i0;
        k = k0;
        break;
      }
      if (c == '\0') return false;  // a negated element must not take the terminator
      ++k;
      if (matched) ++i;  // an unmatched hyphen is passed over and the node waits
    }
    if (!mismatch) {
      result = true;
      break;
    }
    result = false;
    if (sawSpace || anchored) break;
    ++p;
  }
  p += k;
  return result;
}
