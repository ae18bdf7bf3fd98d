#include "lookup/RelationParsers.h"

#include <algorithm>
#include <limits>

#include "foundation/TextUtils.h"

namespace {

constexpr size_t npos = std::string::npos;
const std::string kSenseHeader = "\n\nSense ";

// The decimal number at the start of text[from, to), read as the C run time's atoi reads it:
// leading blanks and one sign allowed, 0 when there are no digits. Saturates instead of
// overflowing.
int32_t ReadNumber(const std::string& text, size_t from, size_t to) {
  to = std::min(to, text.size());
  while (from < to && (text[from] == ' ' || text[from] == '\t')) ++from;
  bool negative = false;
  if (from < to && (text[from] == '+' || text[from] == '-')) negative = text[from++] == '-';
  int64_t value = 0;
  for (; from < to && text[from] >= '0' && text[from] <= '9'; ++from)
    value = std::min<int64_t>(value * 10 + (text[from] - '0'),
                              int64_t{std::numeric_limits<int32_t>::max()} + 1);
  if (negative) value = -value;
  return static_cast<int32_t>(std::clamp<int64_t>(value, std::numeric_limits<int32_t>::min(),
                                                  std::numeric_limits<int32_t>::max()));
}

// The end of the line starting at or after from: its line break, or the text's end.
size_t LineEndFrom(const std::string& text, size_t from) {
  const size_t end = text.find('\n', from);
  return end == npos ? text.size() : end;
}

}  // namespace

int32_t NextSense(size_t& pos, size_t& lineEnd, const std::string& text) {
  pos = text.find(kSenseHeader, pos);
  if (pos == npos) return -1;
  pos += kSenseHeader.size();
  lineEnd = text.find('\n', pos + 1);
  return ReadNumber(text, pos, lineEnd);
}

void RemoveWordFromList(std::string& line, const std::string& word) {
  const std::string target = LowerCaseString(word);
  std::string result;
  size_t i = 0;
  while (i < line.size()) {
    size_t j = line.find(',', i);
    const bool last = j == npos;
    if (last) j = line.size();
    std::string piece = line.substr(i, j - i);
    TrimString(piece, ' ', 2);
    if (LowerCaseString(piece) != target) {
      result += piece;
      if (!last) result += ", ";
    }
    i = j + 1;
  }
  if (result.size() >= 2 && result[result.size() - 2] == ',') result[result.size() - 2] = ' ';
  TrimString(result, ' ', 2);
  line = result;
}

int32_t ParseSynonyms(const std::string& text, const std::string& /*marker*/,
                      const std::string& word, std::vector<crossRefWordItem>& entries) {
  int32_t count = 0;
  size_t pos = 0;
  size_t lineEnd = 0;
  for (int32_t sense; (sense = NextSense(pos, lineEnd, text)) != -1;) {
    // A header on the text's last line has no synonym line after it.
    if (lineEnd == npos) break;
    pos = lineEnd + 1;
    lineEnd = LineEndFrom(text, pos);
    std::string line = text.substr(pos, lineEnd - pos);
    RemoveWordFromList(line, word);
    if (line.empty()) continue;
    ++count;
    entries.push_back({sense, std::move(line)});
  }
  return count;
}

int32_t ParsePointerLines(const std::string& text, const std::string& marker,
                          const std::string& /*word*/, std::vector<crossRefWordItem>& entries) {
  int32_t count = 0;
  size_t pos = 0;
  size_t lineEnd = 0;
  for (int32_t sense; pos < text.size() && (sense = NextSense(pos, lineEnd, text)) != -1;) {
    if (lineEnd == npos) break;
    std::string joined;
    size_t blockEnd = text.find(kSenseHeader, lineEnd);
    if (blockEnd == npos) blockEnd = text.size();
    // A block without marker lines of its own takes the first one after it and ends there.
    do {
      const size_t m = text.find(marker, lineEnd + 1);
      if (m == npos) {
        pos = text.size();
        break;
      }
      const size_t start = m + marker.size();
      pos = start;
      lineEnd = LineEndFrom(text, start);
      std::string piece = text.substr(start, lineEnd - start);
      joined += TrimString(piece, ' ', 2);
      joined += ", ";
    } while (lineEnd < blockEnd);
    if (joined.empty()) continue;
    joined[joined.size() - 2] = '.';
    ++count;
    entries.push_back({sense, std::move(joined)});
  }
  return count;
}

int32_t ParseSeeAlso(const std::string& text, const std::string& marker,
                     const std::string& /*word*/, std::vector<crossRefWordItem>& entries) {
  int32_t count = 0;
  for (size_t m = text.find(marker); m != npos;) {
    const size_t start = m + marker.size();
    size_t end = text.find('#', start);
    if (end == npos) end = text.size();
    entries.push_back({-1, text.substr(start, end - start)});
    ++count;
    m = text.find(marker, start);
  }
  return count;
}
