#include "platform/StringTable.h"

#include <algorithm>

namespace {

// Every registered entry, sorted by id. Filled while static objects are built, before any
// thread starts, and only read afterwards.
std::vector<StringEntry>& Table() {
  static std::vector<StringEntry> table;
  return table;
}

}  // namespace

void StringTable::Register(std::span<const StringEntry> entries) {
  std::vector<StringEntry>& table = Table();
  table.insert(table.end(), entries.begin(), entries.end());
  std::stable_sort(table.begin(), table.end(),
                   [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; });
}

const std::vector<StringEntry>& StringTable::Entries() { return Table(); }

std::string_view StringTable::Find(int32_t id) {
  const auto& entries = Entries();
  const auto it = std::lower_bound(entries.begin(), entries.end(), id,
                                   [](const StringEntry& e, int32_t key) { return e.id < key; });
  if (it == entries.end() || it->id != id) return {};
  return it->text;
}
