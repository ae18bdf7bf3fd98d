#include "foundation/PointerTable.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "foundation/Arena.h"

namespace {

struct Numbered {
  int number;
};

// Entries that share a hash are told apart by the caller's test, across the table's growth;
// the arena keeps them aligned and in place, a piece larger than its blocks included.
TEST(PointerTableTest, FindsEveryEntryAmongSharedHashesAcrossGrowth) {
  Arena arena;
  PointerTable<Numbered> table;
  const auto hashOf = [](int n) { return n % 3 == 0 ? uint64_t{7} : MixedHash(uint64_t(n)); };
  for (int n = 0; n < 5000; ++n) {
    auto* entry = static_cast<Numbered*>(arena.Take(sizeof(Numbered)));
    ASSERT_EQ(reinterpret_cast<uintptr_t>(entry) % 8, 0u);
    entry->number = n;
    table.Add(hashOf(n), entry);
  }
  for (int n = 0; n < 5000; ++n) {
    const Numbered* found = table.Find(hashOf(n), [n](const Numbered& e) { return e.number == n; });
    ASSERT_NE(found, nullptr) << n;
    EXPECT_EQ(found->number, n);
  }
  EXPECT_EQ(table.Find(7, [](const Numbered& e) { return e.number == 1; }), nullptr);

  auto* large = static_cast<char*>(arena.Take(5u << 20));
  std::memset(large, 1, 5u << 20);
  EXPECT_EQ(table.Find(hashOf(4999), [](const Numbered& e) { return e.number == 4999; })->number,
            4999);
  table.Clear();
  arena.Clear();
  EXPECT_EQ(arena.Used(), 0u);
  EXPECT_EQ(table.Find(7, [](const Numbered&) { return true; }), nullptr);
}

}  // namespace
