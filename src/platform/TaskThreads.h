#pragma once
// A few threads kept for a piece of work that hands out many short tasks: a thread started for
// each task costs tens of microseconds, as much as a small task itself. A task nobody has
// started yet when its outcome is asked for runs on the asking thread, which would otherwise
// only wait: with few processors the giver does its share.

#include <atomic>
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
      RunHereIfWaiting();
      return outcome.get();
    }
    void Wait() {
      RunHereIfWaiting();
      outcome.wait();
    }

   private:
    friend class TaskThreads;
    struct State {
      explicit State(std::packaged_task<Result()> task) : work(std::move(task)) {}
      // Runs the work unless another thread has taken it.
      void RunOnce() {
        if (!taken.exchange(true, std::memory_order_acq_rel)) work();
      }
      std::packaged_task<Result()> work;
      std::atomic<bool> taken{false};
    };
    void RunHereIfWaiting() {
      if (state) state->RunOnce();
    }
    std::shared_ptr<State> state;
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
    Task<Result> task;
    task.state = std::make_shared<typename Task<Result>::State>(
        std::packaged_task<Result()>(std::move(work)));
    task.outcome = task.state->work.get_future();
    Post([state = task.state] { state->RunOnce(); });
    return task;
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
