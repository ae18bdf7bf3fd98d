#pragma once
// The program's texts, addressed by number. Each subsystem keeps its own entries in
// res/strings/<subsystem>.inc as lines of the form  {id, "text"},  (C escapes, UTF-8).

#include <cstdint>
#include <string_view>
#include <vector>

struct StringEntry {
  int32_t id;
  const char* text;
};

namespace StringTable {
// The text with that id, or empty when the table has none.
std::string_view Find(int32_t id);
// Every entry, sorted by id (for the table's own checks).
const std::vector<StringEntry>& Entries();
}  // namespace StringTable
