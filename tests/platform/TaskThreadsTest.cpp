// The threads kept for short tasks: every task handed over runs once, also those still waiting
// when the threads go or taken up by a thread waiting for an outcome, and each outcome is what
// its task gave or threw.

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

// With the one thread busy, the thread waiting for the last task runs every task still waiting.
TEST(TaskThreadsTest, AWaitingThreadRunsTheTasksNoThreadHasStarted) {
  TaskThreads threads(1);
  // Made after the threads, so that a failed check breaks the promise before they are joined.
  std::promise<void> started;
  std::promise<void> release;
  auto blocker = threads.Run([&started, released = release.get_future()] {
    started.set_value();
    released.wait();
  });
  started.get_future().wait();
  std::vector<TaskThreads::Task<std::thread::id>> waiting;
  for (int i = 0; i < 5; ++i)
    waiting.push_back(threads.Run([] { return std::this_thread::get_id(); }));
  EXPECT_EQ(waiting.back().Get(), std::this_thread::get_id());
  waiting.pop_back();
  for (auto& task : waiting) EXPECT_EQ(task.Get(), std::this_thread::get_id());
  release.set_value();
  blocker.Get();
}

}  // namespace
