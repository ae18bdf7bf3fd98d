#include "platform/TaskThreads.h"

TaskThreads::TaskThreads(size_t threadCount) {
  for (size_t i = 0; i < threadCount; ++i) threads.emplace_back([this] { Serve(); });
}

TaskThreads::~TaskThreads() {
  {
    std::lock_guard lock(mutex);
    closing = true;
  }
  ready.notify_all();
  for (std::thread& thread : threads) thread.join();
}

void TaskThreads::Post(std::function<void()> task) {
  {
    std::lock_guard lock(mutex);
    waiting.push_back(std::move(task));
  }
  ready.notify_one();
}

void TaskThreads::Serve() {
  for (;;) {
    std::function<void()> task;
    {
      std::unique_lock lock(mutex);
      ready.wait(lock, [this] { return closing || !waiting.empty(); });
      if (waiting.empty()) return;
      task = std::move(waiting.front());
      waiting.pop_front();
    }
    task();  // what a task throws goes to its outcome
  }
}

void TaskThreads::RunWaitingWhile(const std::function<bool()>& pending) {
  while (pending()) {
    std::function<void()> task;
    {
      std::lock_guard lock(mutex);
      if (waiting.empty()) return;
      task = std::move(waiting.front());
      waiting.pop_front();
    }
    task();
  }
}
