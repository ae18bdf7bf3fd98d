#include "platform/HeldSignals.h"

#include <gtest/gtest.h>

#include <atomic>

namespace {

std::atomic<int> terminations{0};

TEST(HeldSignalsTest, ASignalWaitsForTheEndAndReachesTheHandlerBefore) {
  const auto previous = std::signal(SIGTERM, [](int) { terminations.fetch_add(1); });
  {
    HeldSignals held;
    std::raise(SIGTERM);
    EXPECT_EQ(terminations.load(), 0);
  }
  EXPECT_EQ(terminations.load(), 1);
  std::signal(SIGTERM, previous);
}

}  // namespace
