#pragma once
// A few threads kept for a piece of work that hands out many short tasks: a thread started for
// each task costs tens of microseconds, as much as a small task itself. A thread waiting for a
// task's outcome runs the tasks still waiting meanwhile, its own among them, instead of only
// waiting: with few processors the giver does its share.

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <future>
#include <memory>
#include <mutex>
#include <thread>
#include <type_traits>
#include <vector>

class TaskThreads {
 public:
  template <typename Result>
  class Task {
   public:
    Task() = default;
    // Whether the task has an outcome still to be taken by Get.
    bool Valid() const { return outcome.valid(); }
    // The task's result, or what it threw.
    Result Get() {
      Wait();
      return outcome.get();
    }
    void Wait() {
      owner->RunWaitingWhile([this] {
        return outcome.wait_for(std::chrono::seconds(0)) != std::future_status::ready;
      });
      outcome.wait();
    }

   private:
    friend class TaskThreads;
    TaskThreads* owner = nullptr;
    std::future<Result> outcome;
  };

  explicit TaskThreads(size_t threadCount);
  // Runs every task handed over to its end, then ends the threads.
  ~TaskThreads();
  TaskThreads(const TaskThreads&) = delete;
  TaskThreads& operator=(const TaskThreads&) = delete;

  // Runs work on the first thread free, tasks starting in the order handed over.
  template <typename Work>
  Task<std::invoke_result_t<Work>> Run(Work work) {
    using Result = std::invoke_result_t<Work>;
    auto packaged = std::make_shared<std::packaged_task<Result()>>(std::move(work));
    Task<Result> task;
    task.owner = this;
    task.outcome = packaged->get_future();
    Post([packaged] { (*packaged)(); });
    return task;
  }

 private:
  void Post(std::function<void()> task);
  void Serve();
  // Runs tasks still waiting, oldest first, while pending() holds.
  void RunWaitingWhile(const std::function<bool()>& pending);

  std::mutex mutex;
  std::condition_variable ready;
  std::deque<std::function<void()>> waiting;
  bool closing = false;
  std::vector<std::thread> threads;
};
