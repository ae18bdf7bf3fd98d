// The threads kept for short tasks: every task handed over runs once, also those still waiting
// when the threads go or taken up by the thread that asks for their outcome, and each outcome is
// what its task gave or threw.

#include <gtest/gtest.h>

#include <atomic>
#include <future>
#include <stdexcept>
#include <thread>
#include <vector>

#include "platform/TaskThreads.h"

namespace {

TEST(TaskThreadsTest, EveryTaskRunsOnceAndItsOutcomeIsWhatItGaveOrThrew) {
  constexpr int kTasks = 200;
  std::atomic<int> ran{0};
  std::vector<TaskThreads::Task<int>> tasks;
  {
    TaskThreads threads(3);
    for (int i = 0; i < kTasks; ++i) {
      tasks.push_back(threads.Run([i, &ran] {
        ++ran;
        if (i % 10 == 9) throw std::runtime_error("task " + std::to_string(i));
        return i * i;
      }));
    }
    // Asked for at once, some run here, the rest on the threads.
    for (int i = 0; i < kTasks; i += 2) tasks[i].Wait();
  }
  EXPECT_EQ(ran, kTasks);
  for (int i = 0; i < kTasks; ++i) {
    if (i % 10 == 9) {
      EXPECT_THROW(tasks[i].Get(), std::runtime_error);
    } else {
      EXPECT_EQ(tasks[i].Get(), i * i);
    }
    EXPECT_FALSE(tasks[i].Valid());
  }
}

TEST(TaskThreadsTest, ATaskNoThreadHasStartedRunsOnTheThreadAskingForIt) {
  std::promise<void> release;
  std::shared_future<void> released = release.get_future().share();
  TaskThreads threads(1);
  auto blocker = threads.Run([released] { released.wait(); });
  auto waiting = threads.Run([] { return std::this_thread::get_id(); });
  EXPECT_EQ(waiting.Get(), std::this_thread::get_id());
  release.set_value();
  blocker.Get();
}

}  // namespace
