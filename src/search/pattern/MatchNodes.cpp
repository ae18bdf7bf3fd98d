#include "search/pattern/MatchNodes.h"

#include "foundation/CharClass.h"

namespace {

uint8_t Fold(char c, bool caseSensitive) {
  const auto& table = caseSensitive ? FoldSensitive : FoldInsensitive;
  return table[static_cast<uint8_t>(c)];
}

}  // namespace

bool LiteralMatch::Match(char c, bool caseSensitive) const {
  return (Fold(c, caseSensitive) == Fold(ch, caseSensitive)) != (negated != 0);
}

bool AnyMatch::Match(char c, bool) const { return IsLetter(c); }

bool RangeMatch::Match(char c, bool caseSensitive) const {
  bool inside;
  if (caseSensitive) {
    // Signed bytes, so accented letters fall below 'a' here; the compiler orders lo and hi the
    // same way.
    inside = static_cast<int8_t>(lo) <= static_cast<int8_t>(c) &&
             static_cast<int8_t>(c) <= static_cast<int8_t>(hi);
  } else {
    const auto upper = [](char x) { return static_cast<uint8_t>(UpperCaseLetter(x)); };
    inside = upper(lo) <= upper(c) && upper(c) <= upper(hi);
  }
  return inside != (negated != 0);
}

bool SetMatch::Match(char c, bool) const {
  bool any = false;
  for (const auto& member : members) {
    if (member->Match(c, false)) {
      any = true;
      break;
    }
  }
  return any != (negated != 0);
}

bool SpaceMatch::Match(char c, bool) const { return c == ' ' || c == '-'; }
