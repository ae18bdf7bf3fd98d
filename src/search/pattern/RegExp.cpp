#include "search/pattern/RegExp.h"

#include <algorithm>

namespace {

using Error = RegExpException;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Splits the framed pattern at every '*' not escaped by '\'. Runs of stars, and stars at either
// end, make no empty segment.
std::vector<std::string_view> SplitAtStars(std::string_view text) {
  std::vector<std::string_view> segments;
  size_t pos = 0;
  while (pos < text.size()) {
    while (pos < text.size() && text[pos] == '*') ++pos;
    if (pos == text.size()) break;
    const size_t start = pos;
    while (pos < text.size() && !(text[pos] == '*' && text[pos - 1] != '\\')) ++pos;
    segments.push_back(text.substr(start, pos - start));
  }
  return segments;
}

// A bracket holds a range when an unescaped '-' comes before any bracket or the segment's end.
bool BracketIsRange(std::string_view segment, size_t from) {
  for (size_t j = from; j < segment.size(); ++j) {
    const char c = segment[j];
    if (c == '[' || c == ']') return false;
    if (c == '-' && segment[j - 1] != '\\') return true;
  }
  return false;
}

}  // namespace

RegExp::RegExp(const std::string& patternText) : pattern(patternText) {
  Compile();
  SetCaseSensitive(false);
}

void RegExp::SetPattern(const std::string& patternText) {
  Clear();
  pattern = patternText;
  multiplier = 1;
  Compile();
  BuildLetterForm();
}

void RegExp::SetCaseSensitive(bool sensitive) {
  caseSensitive = sensitive;
  if (compiled) BuildLetterForm();
}

void RegExp::Clear() {
  compiled = false;
  letterForm.Clear();
  nodeSegments.clear();
  nodes.clear();
  textSegments.clear();
  segmentCount = 0;
}

void RegExp::Compile() {
  usesNodes = pattern.find_first_of("[]^\\") != std::string::npos;
  if (usesNodes) {
    CompileNodes();
  } else {
    CompileText();
  }
  compiled = true;
}

void RegExp::CompileText() {
  minLength = static_cast<int32_t>(
      std::count_if(pattern.begin(), pattern.end(), [](char c) { return c != '*' && c != ' '; }));
  pattern = "&" + pattern + "@";
  for (std::string_view segment : SplitAtStars(pattern)) textSegments.emplace_back(segment);
  segmentCount = static_cast<int32_t>(textSegments.size());
}

void RegExp::CompileNodes() {
  segmentCount = 0;
  multiplier = 1;
  minLength = -2;  // the two anchors are counted below and cancel this out
  bool negate = false;
  // A multiplier or a '^' left at the end of a segment carries into the next one.
  const std::string framed = "&" + pattern + "@";
  for (std::string_view text : SplitAtStars(framed)) {
    NodeSegment& segment = nodeSegments.emplace_back();
    for (size_t i = 0; i < text.size(); ++i) {
      const char c = text[i];
      if (IsDigit(c)) {
        ParseMultiplier(text, i);
        continue;
      }
      std::unique_ptr<AbstractMatch> node;
      switch (c) {
        case '\\':
          if (i + 1 < text.size()) ++i;
          node = std::make_unique<LiteralMatch>(text[i]);
          node->SetNegated(negate);
          break;
        case ']':
          throw Error(Error::kOpeningBracketMissing);
        case '^':
          negate = true;
          continue;
        case '[':
          node = ParseBracket(text, i, negate, 1);
          break;
        case ' ':
          if (negate) throw Error(Error::kInvalidNegator);
          node = std::make_unique<SpaceMatch>();
          break;
        case '&':
          node = std::make_unique<StartWordMatch>();
          node->SetNegated(negate);
          break;
        case '?':
          if (negate) throw Error(Error::kInvalidNegator);
          node = std::make_unique<AnyMatch>();
          break;
        case '@':
          if (negate) throw Error(Error::kInvalidNegator);
          node = std::make_unique<EndWordMatch>();
          break;
        default:
          node = std::make_unique<LiteralMatch>(c);
          node->SetNegated(negate);
          break;
      }
      AddNode(segment, std::move(node));
      negate = false;
    }
  }
  segmentCount = static_cast<int32_t>(nodeSegments.size());
}

// Reads the digits 1-9 from i and leaves i on the last one. A '0' reads no digit: it stands for
// no copy of the next element (as "a0b" means "ab" in FIND) and the caller moves past it.
void RegExp::ParseMultiplier(std::string_view segment, size_t& i) {
  if (segment[i] == '0') {
    multiplier = 0;
    return;
  }
  int32_t value = 0;
  for (; i < segment.size() && IsDigit(segment[i]) && segment[i] != '0'; ++i)
    value = std::min(value * 10 + (segment[i] - '0'), kMaxMultiplier);
  --i;
  multiplier = value;
}

// Entered with i on '['; leaves i on the closing ']'.
std::unique_ptr<AbstractMatch> RegExp::ParseBracket(std::string_view segment, size_t& i,
                                                    bool negate, int depth) {
  if (depth > kMaxBracketDepth) throw Error(Error::kNestedSymbols);
  ++i;
  if (BracketIsRange(segment, i)) return ParseRange(segment, i, negate);

  auto set = std::make_unique<SetMatch>();
  bool memberNegate = false;
  for (;; ++i) {
    if (i >= segment.size()) throw Error(Error::kClosingBracketMissing);
    char c = segment[i];
    if (c == ']') break;
    if (c == '^') {
      memberNegate = true;
      continue;
    }
    if (c == '?') {
      auto any = std::make_unique<AnyMatch>();
      any->SetNegated(memberNegate);  // kept on for the members that follow
      set->members.push_back(std::move(any));
      continue;
    }
    if (c == '[') {
      set->members.push_back(ParseBracket(segment, i, memberNegate, depth + 1));
      memberNegate = false;
      continue;
    }
    if (c == '\\') {
      if (++i >= segment.size()) throw Error(Error::kClosingBracketMissing);
      c = segment[i];
    }
    if (memberNegate) throw Error(Error::kInvalidNegator);
    set->members.push_back(std::make_unique<LiteralMatch>(c));
  }
  set->SetNegated(negate);
  return set;
}

// lo '-' hi, spaces ignored; '\' is an ordinary character here. The checks go in order of
// precedence over the whole bracket, so an unclosed range says so whatever else is wrong.
std::unique_ptr<AbstractMatch> RegExp::ParseRange(std::string_view segment, size_t& i,
                                                  bool negate) {
  const size_t close = segment.find(']', i);
  if (close == std::string_view::npos) throw Error(Error::kClosingBracketMissing);
  std::string parts;
  for (; i < close; ++i)
    if (segment[i] != ' ') parts += segment[i];
  if (parts.find('^') != std::string::npos) throw Error(Error::kInvalidNegator);
  // The bracket holds a '-', so three characters with none misplaced are lo '-' hi.
  if (parts.size() != 3 || parts.find('-') != 1 || parts.rfind('-') != 1)
    throw Error(Error::kInvalidRange);
  if (static_cast<int8_t>(parts[2]) < static_cast<int8_t>(parts[0]))
    throw Error(Error::kRangeOrder);
  auto range = std::make_unique<RangeMatch>(parts[0], parts[2]);
  range->SetNegated(negate);
  return range;
}

void RegExp::AddNode(NodeSegment& segment, std::unique_ptr<AbstractMatch> node) {
  const AbstractMatch* shared = node.get();
  nodes.push_back(std::move(node));
  for (int32_t copy = 0; copy < multiplier; ++copy) {
    segment.push_back(shared);
    // Separators take no letter; "anything but a space" takes one like any other character.
    if (!shared->IsChar(' ') || shared->negated) ++minLength;
  }
  multiplier = 1;
}
