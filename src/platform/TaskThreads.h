#pragma once
// A few threads kept for a piece of work that hands out many short tasks: a thread started for
// each task costs tens of microseconds, as much as a small task itself.

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
  explicit TaskThreads(size_t threadCount);
  // Runs every task handed over to its end, then ends the threads.
  ~TaskThreads();
  TaskThreads(const TaskThreads&) = delete;
  TaskThreads& operator=(const TaskThreads&) = delete;

  // Runs task on the first thread free, tasks starting in the order handed over; the future
  // carries its result or what it threw.
  template <typename Task>
  std::future<std::invoke_result_t<Task>> Run(Task task) {
    auto packaged =
        std::make_shared<std::packaged_task<std::invoke_result_t<Task>()>>(std::move(task));
    auto result = packaged->get_future();
    Post([packaged] { (*packaged)(); });
    return result;
  }

 private:
  void Post(std::function<void()> task);
  void Serve();

  std::mutex mutex;
  std::condition_variable ready;
  std::deque<std::function<void()>> waiting;
  bool closing = false;
  std::vector<std::thread> threads;
};
