#pragma once
// Holds back the signals that end the program (SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE) for
// the lifetime of the object, for steps that must not be cut in two, such as moving the two
// halves of a saved pair over the old ones. A signal that comes meanwhile is delivered, to
// whatever handled it before, when the object goes. The change is process-wide, so it holds
// whichever thread the signal comes to; one object at a time.

#include <csignal>

class HeldSignals {
 public:
  HeldSignals();
  ~HeldSignals();
  HeldSignals(const HeldSignals&) = delete;
  HeldSignals& operator=(const HeldSignals&) = delete;

 private:
  static constexpr int kHeld[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGPIPE};
  struct sigaction previous[sizeof kHeld / sizeof kHeld[0]] = {};
  bool installed[sizeof kHeld / sizeof kHeld[0]] = {};
};
