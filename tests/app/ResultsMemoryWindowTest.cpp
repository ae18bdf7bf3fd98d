// The window's resident size around a large sorted search and a re-sort of its results.

#include "app/WindowTestSupport.h"

namespace {
// A sanitiser's allocator keeps freed memory on purpose: the figures say nothing there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitised = true;
#else
constexpr bool kSanitised = false;
#endif
}  // namespace

TEST_F(WindowTest, ALargeSortedSearchAndAReSortGiveTheirMemoryBack) {
  if (kSanitised) GTEST_SKIP() << "sanitised build";
  // 828,011 phrases, sorted at the end of the search, then by length. Sorted in the heap they
  // would leave some 90 MB with the process; the grid's rows for them cost under 7 MB.
  const QStringList printed =
      Lines(Run({"print", "memory", "click", "actSortAlpha", "type", "find", "!", "type", "from",
                 "elevenplustwoa", "click", "actSearch", "wait", "print", "memory", "click",
                 "actSortLength", "print", "memory"}));
  ASSERT_EQ(printed.size(), 3);
  EXPECT_EQ(StatusText(), "Found: 828011");
  constexpr long kSlackKilobytes = 32 * 1024;
  EXPECT_LT(printed[1].toLong() - printed[0].toLong(), kSlackKilobytes) << "after the search";
  EXPECT_LT(printed[2].toLong() - printed[0].toLong(), kSlackKilobytes) << "after the re-sort";
  Run({"click", "actSortFound"});  // the ordering the other tests start from
}
