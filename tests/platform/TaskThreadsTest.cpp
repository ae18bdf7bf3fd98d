// The threads kept for short tasks: every task handed over runs, also those still waiting when
// the threads go, and each future carries what its task gave or threw.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <vector>

#include "platform/TaskThreads.h"

namespace {

TEST(TaskThreadsTest, EveryTaskRunsAndItsFutureCarriesItsOutcome) {
  constexpr int kTasks = 200;
  std::atomic<int> ran{0};
  std::vector<std::future<int>> outcomes;
  {
    TaskThreads threads(3);
    for (int i = 0; i < kTasks; ++i) {
      outcomes.push_back(threads.Run([i, &ran] {
        ++ran;
        if (i % 10 == 9) throw std::runtime_error("task " + std::to_string(i));
        return i * i;
      }));
    }
  }
  EXPECT_EQ(ran, kTasks);
  for (int i = 0; i < kTasks; ++i) {
    if (i % 10 == 9) {
      EXPECT_THROW(outcomes[i].get(), std::runtime_error);
    } else {
      EXPECT_EQ(outcomes[i].get(), i * i);
    }
  }
}

}  // namespace
