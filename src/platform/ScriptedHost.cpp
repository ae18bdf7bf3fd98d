#include "platform/ScriptedHost.h"

#include <atomic>
#include <chrono>
#include <thread>

#include "platform/HostedJob.h"
#include "platform/MessageBoxFlags.h"

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
  std::lock_guard lock(mutex_);
  boxes_.push_back(request);
  if (answers_.empty()) return DefaultAnswer(request.flags);
  const int answer = answers_.front();
  answers_.pop_front();
  return answer;
}

void ScriptedHost::Beep() {
  std::lock_guard lock(mutex_);
  ++beeps_;
}

void ScriptedHost::WaitPumping(const std::function<bool()>& done) {
  while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

void ScriptedHost::RunJob(HostedJob& job, const std::string& message, bool showCancel,
                          const void* owner) {
  std::optional<int32_t> cancelAt;
  {
    std::lock_guard lock(mutex_);
    jobs_.push_back(JobRequest{message, showCancel, owner});
    if (showCancel) std::swap(cancelAt, cancelAt_);
  }
  if (!cancelAt) return Host::RunJob(job, message, showCancel, owner);
  // Step from checkpoint to checkpoint so that the cue is seen exactly where it is reached.
  WorkerThread& worker = job.Worker();
  while (!worker.Terminated()) {
    worker.Step();
    if (!worker.Terminated() && job.GetProgress() >= *cancelAt) {
      ConfirmJobCancel(job, owner);
      return Host::RunJob(job, message, showCancel, owner);
    }
  }
}

void ScriptedHost::CancelJobAt(int32_t progress) {
  std::lock_guard lock(mutex_);
  cancelAt_ = progress;
}

void ScriptedHost::QueueAnswer(int answer) {
  std::lock_guard lock(mutex_);
  answers_.push_back(answer);
}

std::vector<MessageRequest> ScriptedHost::Boxes() const {
  std::lock_guard lock(mutex_);
  return boxes_;
}

std::vector<JobRequest> ScriptedHost::Jobs() const {
  std::lock_guard lock(mutex_);
  return jobs_;
}

int ScriptedHost::Beeps() const {
  std::lock_guard lock(mutex_);
  return beeps_;
}

void ScriptedHost::Clear() {
  std::lock_guard lock(mutex_);
  answers_.clear();
  boxes_.clear();
  jobs_.clear();
  cancelAt_.reset();
  beeps_ = 0;
}

ScopedHost::ScopedHost(Host& host) : previous_(installedHost.load()) { Host::Install(&host); }

ScopedHost::~ScopedHost() { Host::Install(previous_); }
