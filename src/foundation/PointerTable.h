#pragma once
// Entries that live elsewhere (an Arena), found by a hash the caller computes: open addressing
// over one array of hashes and pointers, so that a look-up touches one slot and, on a likely
// match, its entry, and clearing frees one allocation. Entries are never removed one by one.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <vector>

// Spreads a value whose low bits alone would crowd the slots, such as a file offset.
inline uint64_t MixedHash(uint64_t value) {
  value ^= value >> 33;
  value *= 0xff51afd7ed558ccdULL;
  value ^= value >> 33;
  return value;
}

template <class Entry>
class PointerTable {
 public:
  // The entry with this hash that matches says is the one.
  template <class Matches>
  Entry* Find(uint64_t hash, const Matches& matches) const {
    if (slots.empty()) return nullptr;
    for (size_t i = hash & (slots.size() - 1);; i = (i + 1) & (slots.size() - 1)) {
      if (!slots[i].entry) return nullptr;
      if (slots[i].hash == hash && matches(*slots[i].entry)) return slots[i].entry;
    }
  }
  void Add(uint64_t hash, Entry* entry) {
    if (2 * (count + 1) > slots.size()) Grow();
    size_t i = hash & (slots.size() - 1);
    while (slots[i].entry) i = (i + 1) & (slots.size() - 1);
    slots[i] = {hash, entry};
    ++count;
  }
  void Clear() {
    slots = {};
    count = 0;
  }

 private:
  struct Slot {
    uint64_t hash = 0;
    Entry* entry = nullptr;
  };
  void Grow() {
    std::vector<Slot> old = std::move(slots);
    slots.assign(std::max<size_t>(1024, 2 * old.size()), Slot{});
    count = 0;
    for (const Slot& slot : old)
      if (slot.entry) Add(slot.hash, slot.entry);
  }
  std::vector<Slot> slots;  // a power of two, at most half full
  size_t count = 0;
};
