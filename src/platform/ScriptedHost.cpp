#include "platform/ScriptedHost.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <utility>

#include "platform/ConfirmJobCancel.h"
#include "platform/HostedJob.h"
#include "platform/MessageBoxFlags.h"
#include "platform/WorkerThread.h"

namespace {
std::atomic<Host*> installedHost{nullptr};
}

Host& Host::Current() {
  if (Host* host = installedHost.load(std::memory_order_acquire)) return *host;
  static ScriptedHost fallback;
  return fallback;
}

void Host::Install(Host* host) { installedHost.store(host, std::memory_order_release); }

int ScriptedHost::ShowMessage(const MessageRequest& request) {
  std::lock_guard lock(mutex);
  boxes.push_back(request);
  if (answers.empty()) return DefaultAnswer(request.flags);
  const int answer = answers.front();
  answers.pop_front();
  return answer;
}

void ScriptedHost::Beep() {
  std::lock_guard lock(mutex);
  ++beeps;
}

void ScriptedHost::WaitPumping(const std::function<bool()>& done) {
  // Nothing to pump: a worker's end wakes the wait at once; other conditions are looked at every
  // millisecond.
  for (;;) {
    const uint64_t ends = WorkerThread::EndCount();
    if (done()) return;
    WorkerThread::WaitForAnyEnd(ends, std::chrono::milliseconds(1));
  }
}

void ScriptedHost::RunJob(HostedJob& job, const std::string& message, bool showCancel,
                          const void* owner) {
  // A cue not given is never reached.
  int32_t cancelCue = INT32_MAX;
  int32_t stopCue = INT32_MAX;
  {
    std::lock_guard lock(mutex);
    jobs.push_back(JobRequest{message, showCancel, owner});
    if (showCancel) cancelCue = std::exchange(cancelAt, std::nullopt).value_or(INT32_MAX);
    stopCue = std::exchange(stopAt, std::nullopt).value_or(INT32_MAX);
  }
  // Step from checkpoint to checkpoint so that each cue is seen exactly where it is reached.
  WorkerThread& worker = job.Worker();
  while ((cancelCue != INT32_MAX || stopCue != INT32_MAX) && !worker.Terminated()) {
    worker.Step();
    if (worker.Terminated()) break;
    if (job.GetProgress() >= stopCue) {
      stopped.store(true);
      stopCue = INT32_MAX;
    }
    if (job.GetProgress() >= cancelCue) {
      ConfirmJobCancel(job, owner);
      cancelCue = INT32_MAX;
    }
  }
  Host::RunJob(job, message, showCancel, owner);
}

bool ScriptedHost::StopRequested() { return stopped.load() || Host::StopRequested(); }

void ScriptedHost::CancelJobAt(int32_t progress) {
  std::lock_guard lock(mutex);
  cancelAt = progress;
}

void ScriptedHost::StopAt(int32_t progress) {
  std::lock_guard lock(mutex);
  stopAt = progress;
}

void ScriptedHost::QueueAnswer(int answer) {
  std::lock_guard lock(mutex);
  answers.push_back(answer);
}

std::vector<MessageRequest> ScriptedHost::Boxes() const {
  std::lock_guard lock(mutex);
  return boxes;
}

std::vector<JobRequest> ScriptedHost::Jobs() const {
  std::lock_guard lock(mutex);
  return jobs;
}

int ScriptedHost::Beeps() const {
  std::lock_guard lock(mutex);
  return beeps;
}

void ScriptedHost::Clear() {
  std::lock_guard lock(mutex);
  answers.clear();
  boxes.clear();
  jobs.clear();
  cancelAt.reset();
  stopAt.reset();
  stopped.store(false);
  beeps = 0;
}

ScopedHost::ScopedHost(Host& host) : previous(installedHost.load()) { Host::Install(&host); }

ScopedHost::~ScopedHost() { Host::Install(previous); }
