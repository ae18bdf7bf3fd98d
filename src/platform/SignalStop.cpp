#include "platform/SignalStop.h"

#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <iterator>

namespace {

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGPIPE};

std::atomic<int> received{0};
static_assert(std::atomic<int>::is_always_lock_free, "read and written by a signal handler");

void Record(int signal) {
  int none = 0;
  received.compare_exchange_strong(none, signal);
}

[[noreturn]] void EndBy(int signal) {
  struct sigaction action {};
  action.sa_handler = SIG_DFL;
  sigemptyset(&action.sa_mask);
  sigaction(signal, &action, nullptr);
  sigset_t set;
  sigemptyset(&set);
  sigaddset(&set, signal);
  pthread_sigmask(SIG_UNBLOCK, &set, nullptr);
  raise(signal);
  _exit(128 + signal);  // not reached: the default action ends the process
}

}  // namespace

namespace SignalStop {

int RunEndingOnSignals(const std::function<int()>& body) {
  struct sigaction action {};
  action.sa_handler = Record;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  struct sigaction previous[std::size(kStopSignals)] = {};
  for (size_t i = 0; i < std::size(kStopSignals); ++i) {
    if (sigaction(kStopSignals[i], nullptr, &previous[i]) != 0 || previous[i].sa_handler == SIG_IGN)
      continue;
    sigaction(kStopSignals[i], &action, nullptr);
  }
  const int status = body();
  if (const int signal = Received()) EndBy(signal);
  for (size_t i = 0; i < std::size(kStopSignals); ++i)
    sigaction(kStopSignals[i], &previous[i], nullptr);
  return status;
}

int Received() { return received.load(std::memory_order_relaxed); }

void Forget() { received.store(0); }

}  // namespace SignalStop
