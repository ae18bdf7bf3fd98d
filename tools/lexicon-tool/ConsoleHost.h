#pragma once
// The host of the commands that run searches and results jobs: every box goes to standard error
// as "caption: text" and is answered with its default button; a box that is not a question means
// the command could not do all it was asked. Its waits stop what runs once a signal has come.

#include <atomic>

#include "SignalStoppingHost.h"

class ConsoleHost : public SignalStoppingHost {
 public:
  int ShowMessage(const MessageRequest& request) override;
  // Nothing to pump here: blocks until a worker ends (what every wait here waits for), so that a
  // search of a millisecond costs no more, and the waiting thread leaves the processor to it.
  void WaitPumping(const std::function<bool()>& done) override;

  bool Failed() const { return failed.load(); }

 private:
  std::atomic<bool> failed{false};
};
