#pragma once
// A Host for tests and headless tools: answers boxes from a queue of scripted answers (the
// default button when the queue is empty), records every box, job and beep, and runs jobs
// without a dialog, pressing Cancel, or asking the program to stop, on cue.

#include <atomic>
#include <cstdint>
#include <deque>
#include <mutex>
#include <optional>
#include <vector>

#include "platform/Host.h"

struct JobRequest {
  std::string message;
  bool showCancel = true;
  const void* owner = nullptr;
};

class ScriptedHost : public Host {
 public:
  int ShowMessage(const MessageRequest& request) override;
  void Beep() override;
  void PumpMessages() override {}
  void WaitPumping(const std::function<bool()>& done) override;
  void RunJob(HostedJob& job, const std::string& message, bool showCancel,
              const void* owner) override;
  // True from StopAt's cue on, as after a stop signal.
  bool StopRequested() override;

  // The answer for the next box shown.
  void QueueAnswer(int answer);
  // The next job run with a Cancel button has it pressed once its progress first reaches
  // progress (checked at each of its checkpoints); the question takes the next queued answer.
  void CancelJobAt(int32_t progress);
  // The program is asked to stop once the next job's progress first reaches progress.
  void StopAt(int32_t progress);
  std::vector<MessageRequest> Boxes() const;
  std::vector<JobRequest> Jobs() const;
  int Beeps() const;
  void Clear();

 private:
  mutable std::mutex mutex;
  std::deque<int> answers;             // guarded by mutex
  std::vector<MessageRequest> boxes;   // guarded by mutex
  std::vector<JobRequest> jobs;        // guarded by mutex
  std::optional<int32_t> cancelAt;     // guarded by mutex
  std::optional<int32_t> stopAt;       // guarded by mutex
  std::atomic<bool> stopped{false};
  int beeps = 0;                       // guarded by mutex
};

// Installs a host for the lifetime of the object and restores the previous one afterwards.
class ScopedHost {
 public:
  explicit ScopedHost(Host& host);
  ~ScopedHost();
  ScopedHost(const ScopedHost&) = delete;
  ScopedHost& operator=(const ScopedHost&) = delete;

 private:
  Host* previous;
};
