#pragma once
// The program's texts, addressed by number. Each subsystem keeps its own entries in
// res/strings/<subsystem>.inc as lines of the form  {id, "text"},  (C escapes, UTF-8), and
// registers them when the program starts (src/<subsystem>/<Subsystem>Texts.cpp), so the table
// itself knows no layer above it.

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

struct StringEntry {
  int32_t id;
  const char* text;
};

namespace StringTable {
// Adds a subsystem's entries; called once for each while the program starts.
void Register(std::span<const StringEntry> entries);
// The text with that id, or empty when the table has none.
std::string_view Find(int32_t id);
// Every entry, sorted by id (for the table's own checks).
const std::vector<StringEntry>& Entries();
}  // namespace StringTable
