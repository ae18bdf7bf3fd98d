#include "platform/HeldSignals.h"

#include <atomic>
#include <iterator>

namespace {

std::atomic<unsigned> cameMask{0};
static_assert(std::atomic<unsigned>::is_always_lock_free, "written by a signal handler");

void Record(int signal) { cameMask.fetch_or(1u << signal); }

}  // namespace

HeldSignals::HeldSignals() {
  cameMask.store(0);
  struct sigaction action {};
  action.sa_handler = Record;
  action.sa_flags = SA_RESTART;
  sigemptyset(&action.sa_mask);
  for (size_t i = 0; i < std::size(kHeld); ++i) {
    // An ignored signal stays ignored: holding it back would deliver what was never wanted.
    if (sigaction(kHeld[i], nullptr, &previous[i]) != 0 || previous[i].sa_handler == SIG_IGN)
      continue;
    installed[i] = sigaction(kHeld[i], &action, nullptr) == 0;
  }
}

HeldSignals::~HeldSignals() {
  for (size_t i = 0; i < std::size(kHeld); ++i) {
    if (installed[i]) sigaction(kHeld[i], &previous[i], nullptr);
  }
  const unsigned came = cameMask.exchange(0);
  for (size_t i = 0; i < std::size(kHeld); ++i) {
    if (installed[i] && (came & (1u << kHeld[i]))) std::raise(kHeld[i]);
  }
}
