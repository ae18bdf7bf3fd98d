#include "search/pattern/FindText.h"

#include "foundation/CharClass.h"

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

std::string ExpandDigits(const std::string& find) {
  constexpr int kMaxRun = MaxWordLength + 1;
  std::string out;
  int depth = 0;
  for (size_t i = 0; i < find.size(); ++i) {
    const char c = find[i];
    const bool escaped = i > 0 && find[i - 1] == '\\';
    if (c == '[' && !escaped) ++depth;
    if (c == ']' && !escaped) --depth;
    const bool multiplier = i + 1 < find.size() && find[i + 1] == '[';
    if (depth != 0 || !IsDigit(c) || multiplier) {
      out += c;
      continue;
    }
    int run = 0;
    for (; i < find.size() && IsDigit(find[i]); ++i) run = std::min(kMaxRun, run * 10 + (find[i] - '0'));
    --i;
    out.append(static_cast<size_t>(run), '?');
  }
  return out;
}

std::string NormaliseMarks(const std::string& find) {
  std::string out;
  int depth = 0;
  for (char c : find) {
    if (c == '[') ++depth;
    if (c == ']') --depth;
    if (depth == 0 && (c == '\'' || c == ',' || c == '.')) continue;
    out += (depth == 0 && c == '-') ? ' ' : c;
  }
  return out;
}

std::string CollapseSpaces(std::string text) {
  for (size_t at; (at = text.find("  ")) != std::string::npos;) text.erase(at, 1);
  return text;
}

std::string PlainPatternLetters(const std::string& find) {
  std::string letters;
  int depth = 0;
  for (size_t i = 0; i < find.size(); ++i) {
    const char c = find[i];
    if (c == '[') ++depth;
    else if (c == ']') --depth;
    else if (depth == 0 && c == '^') i += (i + 1 < find.size() && find[i + 1] != '[') ? 1 : 0;
    else if (depth == 0 && IsLetter(c)) letters += LowerCaseLetter(c);
  }
  return letters;
}
