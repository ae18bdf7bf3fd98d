#include "platform/WorkerThread.h"

#include <sys/resource.h>
#include <unistd.h>

#include <cassert>
#include <cerrno>

#include "platform/Host.h"

namespace {
thread_local WorkerThread* currentWorker = nullptr;

// Every worker's end, for waiters that block rather than poll.
std::mutex endMutex;
std::condition_variable anyEnded;
uint64_t endCount = 0;  // guarded by endMutex

// One nice step below the process: best effort, a refusal changes nothing else.
void LowerPriorityOfCallingThread() {
  const id_t thread = static_cast<id_t>(::gettid());
  errno = 0;
  const int nice = ::getpriority(PRIO_PROCESS, thread);
  if (errno == 0) ::setpriority(PRIO_PROCESS, thread, nice + 1);
}
}  // namespace

WorkerThread::WorkerThread(std::function<void()> work, Priority workPriority)
    : body(std::move(work)), priority(workPriority) {}

WorkerThread::~WorkerThread() {
  if (!Started()) return;
  Terminate();
  WaitFor();
}

WorkerThread* WorkerThread::Current() { return currentWorker; }

uint64_t WorkerThread::EndCount() {
  std::lock_guard lock(endMutex);
  return endCount;
}

void WorkerThread::WaitForAnyEnd(uint64_t seen, std::chrono::milliseconds timeout) {
  std::unique_lock lock(endMutex);
  anyEnded.wait_for(lock, timeout, [seen] { return endCount != seen; });
}

void WorkerThread::Resume() {
  {
    std::lock_guard lock(gateMutex);
    paused = false;
    stepPermits = 0;
  }
  gateChanged.notify_all();
  if (!started.exchange(true, std::memory_order_acq_rel)) thread = std::thread(&WorkerThread::Run, this);
}

void WorkerThread::Suspend() {
  std::lock_guard lock(gateMutex);
  paused = true;
}

void WorkerThread::Step() {
  std::unique_lock lock(gateMutex);
  paused = true;
  const uint64_t seen = arrivals;
  if (!started.exchange(true, std::memory_order_acq_rel)) {
    thread = std::thread(&WorkerThread::Run, this);
  } else if (atGate) {
    ++stepPermits;
    gateChanged.notify_all();
  }
  gateChanged.wait(lock, [&] { return arrivals > seen || Ended(); });
}

void WorkerThread::Terminate() {
  {
    std::lock_guard lock(gateMutex);
    terminated.store(true, std::memory_order_release);
  }
  gateChanged.notify_all();
}

bool WorkerThread::WaitTerminated(std::chrono::milliseconds timeout) {
  std::unique_lock lock(gateMutex);
  return gateChanged.wait_for(lock, timeout, [this] { return Terminated(); });
}

void WorkerThread::WaitFor() {
  if (!Started() || !thread.joinable()) return;
  assert(Current() != this && "a worker cannot wait for itself");
  // A worker may be showing a message box that the GUI thread must serve meanwhile.
  Host::Current().WaitPumping([this] { return Ended(); });
  thread.join();
}

void WorkerThread::Checkpoint() {
  assert(Current() == this && "only the worker stops at its own checkpoints");
  std::unique_lock lock(gateMutex);
  WaitAtGate(lock);
}

void WorkerThread::WaitAtGate(std::unique_lock<std::mutex>& lock) {
  if (!paused || Terminated()) return;
  ++arrivals;
  atGate = true;
  gateChanged.notify_all();
  gateChanged.wait(lock, [this] { return !paused || Terminated() || stepPermits > 0; });
  if (stepPermits > 0) --stepPermits;
  atGate = false;
}

void WorkerThread::Run() {
  currentWorker = this;
  if (priority == Priority::BelowNormal) LowerPriorityOfCallingThread();
  body();
  std::unique_lock lock(gateMutex);
  // The last checkpoint: a paused worker cannot finish while its launcher asks a question.
  WaitAtGate(lock);
  terminated.store(true, std::memory_order_release);
  ended.store(true, std::memory_order_release);
  lock.unlock();
  gateChanged.notify_all();
  {
    std::lock_guard endLock(endMutex);
    ++endCount;
  }
  anyEnded.notify_all();
}
