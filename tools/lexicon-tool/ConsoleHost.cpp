#include "ConsoleHost.h"

#include <chrono>
#include <cstdint>
#include <cstdio>

#include "platform/MessageBoxFlags.h"
#include "platform/WorkerThread.h"

namespace {
// A signal is only recorded by its handler: a blocked wait looks at it this often.
constexpr std::chrono::milliseconds kSignalCheckInterval{5};
}  // namespace

int ConsoleHost::ShowMessage(const MessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  if ((request.flags & MB_ICONMASK) != MB_ICONQUESTION) failed = true;
  return SignalStoppingHost::ShowMessage(request);
}

void ConsoleHost::WaitPumping(const std::function<bool()>& done) {
  for (;;) {
    const uint64_t ends = WorkerThread::EndCount();
    if (done()) return;
    StopIfSignalled();
    WorkerThread::WaitForAnyEnd(ends, kSignalCheckInterval);
  }
}
