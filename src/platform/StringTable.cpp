#include "platform/StringTable.h"

#include <algorithm>

namespace {

const StringEntry kEntries[] = {
#include "strings/foundation.inc"
#include "strings/lookup.inc"
#include "strings/search.inc"
#include "strings/crossword.inc"
#include "strings/lexbuild.inc"
#include "strings/app.inc"
};

std::vector<StringEntry> SortedEntries() {
  std::vector<StringEntry> entries(std::begin(kEntries), std::end(kEntries));
  std::stable_sort(entries.begin(), entries.end(),
                   [](const StringEntry& a, const StringEntry& b) { return a.id < b.id; });
  return entries;
}

}  // namespace

const std::vector<StringEntry>& StringTable::Entries() {
  static const std::vector<StringEntry> sorted = SortedEntries();
  return sorted;
}

std::string_view StringTable::Find(int32_t id) {
  const auto& entries = Entries();
  const auto it = std::lower_bound(entries.begin(), entries.end(), id,
                                   [](const StringEntry& e, int32_t key) { return e.id < key; });
  if (it == entries.end() || it->id != id) return {};
  return it->text;
}
