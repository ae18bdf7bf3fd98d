#include "platform/StringTable.h"

#include <gtest/gtest.h>

#include <set>

TEST(StringTableTest, IdsAreUniqueAndFound) {
  std::set<int32_t> seen;
  for (const StringEntry& entry : StringTable::Entries()) {
    EXPECT_TRUE(seen.insert(entry.id).second) << "duplicate id " << entry.id;
    EXPECT_EQ(StringTable::Find(entry.id), entry.text);
  }
  EXPECT_EQ(StringTable::Find(8324), "Error");
  EXPECT_EQ(StringTable::Find(1), "");
}
