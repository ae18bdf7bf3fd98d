#include "platform/WorkerThread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>

#include "platform/Host.h"

namespace {
thread_local WorkerThread* currentWorker = nullptr;

// One nice step below the process: best effort, a refusal changes nothing else.
void LowerPriorityOfCallingThread() {
  const id_t thread = static_cast<id_t>(::gettid());
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, thread);
  if (errno == 0) ::setpriority(PRIO_PROCESS, thread, nice + 1);
}
}  // namespace

WorkerThread::WorkerThread(std::function<void()> body, Priority priority)
    : body_(std::move(body)), priority_(priority) {}

WorkerThread::~WorkerThread() {
  if (!Started()) return;
  Terminate();
  WaitFor();
}

WorkerThread* WorkerThread::Current() { return currentWorker; }

void WorkerThread::Resume() {
  {
    std::lock_guard lock(gateMutex_);
    paused_ = false;
    stepPermits_ = 0;
  }
  gateChanged_.notify_all();
  if (!started_.exchange(true, std::memory_order_acq_rel)) thread_ = std::thread(&WorkerThread::Run, this);
}

void WorkerThread::Suspend() {
  std::lock_guard lock(gateMutex_);
  paused_ = true;
}

void WorkerThread::Step() {
  std::unique_lock lock(gateMutex_);
  paused_ = true;
  const uint64_t seen = arrivals_;
  if (!started_.exchange(true, std::memory_order_acq_rel)) {
    thread_ = std::thread(&WorkerThread::Run, this);
  } else if (atGate_) {
    ++stepPermits_;
    gateChanged_.notify_all();
  }
  gateChanged_.wait(lock, [&] { return arrivals_ > seen || Ended(); });
}

void WorkerThread::Terminate() {
  {
    std::lock_guard lock(gateMutex_);
    terminated_.store(true, std::memory_order_release);
  }
  gateChanged_.notify_all();
}

bool WorkerThread::WaitTerminated(std::chrono::milliseconds timeout) {
  std::unique_lock lock(gateMutex_);
  return gateChanged_.wait_for(lock, timeout, [this] { return Terminated(); });
}

void WorkerThread::WaitFor() {
  if (!Started() || !thread_.joinable()) return;
  assert(Current() != this && "a worker cannot wait for itself");
  // A worker may be showing a message box that the GUI thread must serve meanwhile.
  Host::Current().WaitPumping([this] { return Ended(); });
  thread_.join();
}

void WorkerThread::Checkpoint() {
  assert(Current() == this && "only the worker stops at its own checkpoints");
  std::unique_lock lock(gateMutex_);
  WaitAtGate(lock);
}

void WorkerThread::WaitAtGate(std::unique_lock<std::mutex>& lock) {
  if (!paused_ || Terminated()) return;
  ++arrivals_;
  atGate_ = true;
  gateChanged_.notify_all();
  gateChanged_.wait(lock, [this] { return !paused_ || Terminated() || stepPermits_ > 0; });
  if (stepPermits_ > 0) --stepPermits_;
  atGate_ = false;
}

void WorkerThread::Run() {
  currentWorker = this;
  if (priority_ == Priority::BelowNormal) LowerPriorityOfCallingThread();
  body_();
  std::unique_lock lock(gateMutex_);
  // The last checkpoint: a paused worker cannot finish while its launcher asks a question.
  WaitAtGate(lock);
  terminated_.store(true, std::memory_order_release);
  ended_.store(true, std::memory_order_release);
  lock.unlock();
  gateChanged_.notify_all();
}
