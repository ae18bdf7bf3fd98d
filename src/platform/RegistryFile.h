#pragma once
// The text of one settings-store file: sections of typed values in a .reg-like syntax.
//
//   ; Sorvane registry store 1
//   [SOFTWARE\Sorvane\Sorvane6]
//   "Folder-Temp"="/home/ann/.local/share/Sorvane/Temp"
//   "Font"=dword:00000008
//
// A string value is quoted with the escapes \\, \" and \n; a dword holds the bit pattern of a
// signed 32-bit value. Any other line is kept exactly as it stands, so writing a file back loses
// nothing; a value line of another kind ("name"=hex:...) can be found by name and reads as
// another type. Section paths and value names match ignoring ASCII case and keep their case.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class RegistryValueKind { String, Dword, Other };

struct RegistryLine {
  std::string text;  // the line as it stands in the file, without its line end
  std::optional<std::string> name;  // set for a value line
  RegistryValueKind kind = RegistryValueKind::Other;
  std::string stringValue;  // for String
  uint32_t dwordValue = 0;  // for Dword
};

struct RegistrySection {
  std::string path;
  std::string header;  // the header line as it stands
  std::vector<RegistryLine> lines;
};

class RegistryFile {
 public:
  // Never fails: what cannot be understood is kept as an ordinary line.
  static RegistryFile Parse(std::string_view text);
  std::string Format() const;

  // Index of the first section with that path, if any.
  std::optional<size_t> FindSection(std::string_view path) const;
  size_t AddSection(const std::string& path);

  // The first value line of that name in the section, if any.
  const RegistryLine* FindValue(size_t section, std::string_view name) const;
  // Replaces the first value of that name (whatever its kind) or adds one after the section's
  // last non-blank line.
  void SetString(size_t section, const std::string& name, const std::string& value);
  void SetDword(size_t section, const std::string& name, uint32_t value);

 private:
  // The value line of that name, added (empty) when the section has none.
  RegistryLine& ValueLine(size_t section, const std::string& name);

  std::vector<RegistryLine> preamble;  // lines before the first section
  std::vector<RegistrySection> sections;
};
