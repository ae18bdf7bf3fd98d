#pragma once
// A background thread with the behaviour long jobs rely on: created suspended, started by the
// first Resume, paused cooperatively, told to stop through Terminate, and waited for by its
// destructor. Linux cannot freeze a thread from outside, so a pause takes effect at the
// worker's next checkpoint; workers place checkpoints only where nothing is half done.

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

class WorkerThread {
 public:
  enum class Priority { Normal, BelowNormal };

  // The body must not throw: whatever runs in it reports its own failures.
  explicit WorkerThread(std::function<void()> work, Priority workPriority = Priority::Normal);
  // Stops and waits for a running worker. A worker that was never started never runs.
  ~WorkerThread();
  WorkerThread(const WorkerThread&) = delete;
  WorkerThread& operator=(const WorkerThread&) = delete;

  // Starts the thread on the first call; afterwards ends a pause.
  void Resume();
  // The worker waits at its next checkpoint until Resume or Terminate.
  void Suspend();
  // Paused stepping: runs the worker on to its next checkpoint (starting it if need be) and
  // returns once it waits there or has ended.
  void Step();
  // Asks the worker to stop and ends any pause. The worker sets it itself when its body returns,
  // so Terminated doubles as "finished".
  void Terminate();
  bool Terminated() const { return terminated.load(std::memory_order_acquire); }
  // Waits up to timeout for Terminated without processing events; true when it is set.
  bool WaitTerminated(std::chrono::milliseconds timeout);
  bool Started() const { return started.load(std::memory_order_acquire); }
  // True once the body has returned and the thread is about to exit.
  bool Ended() const { return ended.load(std::memory_order_acquire); }
  // Waits until the thread has ended (keeping the GUI responsive on the GUI thread) and joins it.
  void WaitFor();

  // How many workers have ended in this process. A waiter with nothing to pump reads it, tests
  // its own condition, and only then blocks in WaitForAnyEnd, so that an end in between is not
  // missed: everything a worker wrote before its body returned is seen once the count has moved.
  static uint64_t EndCount();
  // Blocks until EndCount differs from seen or timeout has passed.
  static void WaitForAnyEnd(uint64_t seen, std::chrono::milliseconds timeout);

  // Called by the worker itself: waits here while paused.
  void Checkpoint();
  // The worker running the calling thread, or null on any other thread.
  static WorkerThread* Current();

 private:
  void Run();
  void WaitAtGate(std::unique_lock<std::mutex>& lock);

  std::function<void()> body;
  Priority priority;
  std::thread thread;
  std::atomic<bool> started{false};
  std::atomic<bool> terminated{false};  // written under gateMutex so that waiters wake
  std::atomic<bool> ended{false};       // likewise

  std::mutex gateMutex;
  std::condition_variable gateChanged;
  bool paused = false;    // guarded by gateMutex
  bool atGate = false;    // guarded by gateMutex
  int stepPermits = 0;    // guarded by gateMutex
  uint64_t arrivals = 0;  // guarded by gateMutex: times the worker has stopped at the gate
};
