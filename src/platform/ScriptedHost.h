#pragma once
// A Host for tests and headless tools: answers boxes from a queue of scripted answers (the
// default button when the queue is empty), records every box and counts beeps.

#include <deque>
#include <mutex>
#include <vector>

#include "platform/Host.h"

class ScriptedHost : public Host {
 public:
  int ShowMessage(const MessageRequest& request) override;
  void Beep() override;
  void PumpMessages() override {}
  void WaitPumping(const std::function<bool()>& done) override;

  // The answer for the next box shown.
  void QueueAnswer(int answer);
  std::vector<MessageRequest> Boxes() const;
  int Beeps() const;
  void Clear();

 private:
  mutable std::mutex mutex_;
  std::deque<int> answers_;             // guarded by mutex_
  std::vector<MessageRequest> boxes_;   // guarded by mutex_
  int beeps_ = 0;                       // guarded by mutex_
};

// Installs a host for the lifetime of the object and restores the previous one afterwards.
class ScopedHost {
 public:
  explicit ScopedHost(Host& host);
  ~ScopedHost();
  ScopedHost(const ScopedHost&) = delete;
  ScopedHost& operator=(const ScopedHost&) = delete;

 private:
  Host* previous_;
};
