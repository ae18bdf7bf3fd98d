#include "platform/RegistryFile.h"

#include <cstdio>

namespace {
constexpr std::string_view kFileComment = "; Sorvane registry store 1";
constexpr std::string_view kDwordPrefix = "dword:";

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool EqualsIgnoringAsciiCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (AsciiLower(a[i]) != AsciiLower(b[i])) return false;
  }
  return true;
}

bool StartsWithIgnoringAsciiCase(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() &&
         EqualsIgnoringAsciiCase(text.substr(0, prefix.size()), prefix);
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = AsciiLower(c);
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads the quoted text starting at text[pos]; returns the position after its closing quote, or
// nothing when it is not a well-formed quoted text.
std::optional<size_t> ReadQuoted(std::string_view text, size_t pos, std::string& out) {
  if (pos >= text.size() || text[pos] != '"') return std::nullopt;
  out.clear();
  for (++pos; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (c == '"') return pos + 1;
    if (c != '\\') {
      out += c;
      continue;
    }
    if (++pos == text.size()) return std::nullopt;
    switch (text[pos]) {
      case '\\': out += '\\'; break;
      case '"': out += '"'; break;
      case 'n': out += '\n'; break;
      default: return std::nullopt;
    }
  }
  return std::nullopt;
}

std::string Quote(std::string_view text) {
  std::string quoted = "\"";
  for (const char c : text) {
    switch (c) {
      case '\\': quoted += "\\\\"; break;
      case '"': quoted += "\\\""; break;
      case '\n': quoted += "\\n"; break;
      default: quoted += c;
    }
  }
  return quoted + '"';
}

// One to eight hex digits and nothing after them.
std::optional<uint32_t> ReadDword(std::string_view digits) {
  if (digits.empty() || digits.size() > 8) return std::nullopt;
  uint32_t value = 0;
  for (const char c : digits) {
    const int digit = HexDigitValue(c);
    if (digit < 0) return std::nullopt;
    value = value << 4 | static_cast<uint32_t>(digit);
  }
  return value;
}

RegistryLine PlainLine(std::string_view text) {
  RegistryLine line;
  line.text = text;
  return line;
}

RegistryLine ParseLine(std::string_view text) {
  RegistryLine line = PlainLine(text);
  // Tolerate a file saved with CR LF line ends.
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);

  std::string name;
  const std::optional<size_t> afterName = ReadQuoted(text, 0, name);
  if (!afterName || *afterName >= text.size() || text[*afterName] != '=') return line;
  line.name = std::move(name);

  const std::string_view data = text.substr(*afterName + 1);
  if (!data.empty() && data.front() == '"') {
    const std::optional<size_t> end = ReadQuoted(data, 0, line.stringValue);
    if (end && *end == data.size()) {
      line.kind = RegistryValueKind::String;
    } else {
      line.stringValue.clear();
    }
  } else if (StartsWithIgnoringAsciiCase(data, kDwordPrefix)) {
    if (const std::optional<uint32_t> value = ReadDword(data.substr(kDwordPrefix.size()))) {
      line.kind = RegistryValueKind::Dword;
      line.dwordValue = *value;
    }
  }
  return line;
}

std::optional<std::string_view> SectionPath(std::string_view text) {
  if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
  if (text.size() < 2 || text.front() != '[' || text.back() != ']') return std::nullopt;
  return text.substr(1, text.size() - 2);
}

bool IsBlank(const RegistryLine& line) {
  return line.text.find_first_not_of(" \t\r") == std::string::npos;
}
}  // namespace

RegistryFile RegistryFile::Parse(std::string_view text) {
  RegistryFile file;
  while (!text.empty()) {
    const size_t end = text.find('\n');
    const std::string_view lineText = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);

    if (const std::optional<std::string_view> path = SectionPath(lineText)) {
      file.sections.push_back(RegistrySection{std::string(*path), std::string(lineText), {}});
    } else if (file.sections.empty()) {
      file.preamble.push_back(ParseLine(lineText));
    } else {
      file.sections.back().lines.push_back(ParseLine(lineText));
    }
  }
  return file;
}

std::string RegistryFile::Format() const {
  std::string text;
  for (const RegistryLine& line : preamble) text += line.text + '\n';
  for (const RegistrySection& section : sections) {
    text += section.header + '\n';
    for (const RegistryLine& line : section.lines) text += line.text + '\n';
  }
  return text;
}

std::optional<size_t> RegistryFile::FindSection(std::string_view path) const {
  for (size_t i = 0; i < sections.size(); ++i) {
    if (EqualsIgnoringAsciiCase(sections[i].path, path)) return i;
  }
  return std::nullopt;
}

size_t RegistryFile::AddSection(const std::string& path) {
  if (preamble.empty() && sections.empty()) preamble.push_back(PlainLine(kFileComment));
  std::vector<RegistryLine>& last = sections.empty() ? preamble : sections.back().lines;
  if (last.empty() || !IsBlank(last.back())) last.push_back(PlainLine(""));
  sections.push_back(RegistrySection{path, "[" + path + "]", {}});
  return sections.size() - 1;
}

const RegistryLine* RegistryFile::FindValue(size_t section, std::string_view name) const {
  for (const RegistryLine& line : sections.at(section).lines) {
    if (line.name && EqualsIgnoringAsciiCase(*line.name, name)) return &line;
  }
  return nullptr;
}

void RegistryFile::SetString(size_t section, const std::string& name, const std::string& value) {
  RegistryLine& line = ValueLine(section, name);
  line.text = Quote(*line.name) + "=" + Quote(value);
  line.kind = RegistryValueKind::String;
  line.stringValue = value;
  line.dwordValue = 0;
}

void RegistryFile::SetDword(size_t section, const std::string& name, uint32_t value) {
  char digits[9];
  std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(value));
  RegistryLine& line = ValueLine(section, name);
  line.text = Quote(*line.name) + "=" + std::string(kDwordPrefix) + digits;
  line.kind = RegistryValueKind::Dword;
  line.stringValue.clear();
  line.dwordValue = value;
}

RegistryLine& RegistryFile::ValueLine(size_t section, const std::string& name) {
  std::vector<RegistryLine>& lines = sections.at(section).lines;
  for (RegistryLine& line : lines) {
    // An existing value keeps the case of its stored name, as the registry does.
    if (line.name && EqualsIgnoringAsciiCase(*line.name, name)) return line;
  }
  size_t insertAt = lines.size();
  while (insertAt > 0 && IsBlank(lines[insertAt - 1])) --insertAt;
  RegistryLine added;
  added.name = name;
  return *lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAt), std::move(added));
}
