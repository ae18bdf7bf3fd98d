#include "ConsoleHost.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <thread>

#include "platform/MessageBoxFlags.h"

int ConsoleHost::ShowMessage(const MessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  if ((request.flags & MB_ICONMASK) != MB_ICONQUESTION) failed = true;
  return SignalStoppingHost::ShowMessage(request);
}

void ConsoleHost::WaitPumping(const std::function<bool()>& done) {
  const auto yieldUntil = std::chrono::steady_clock::now() + std::chrono::milliseconds(2);
  auto pause = std::chrono::microseconds(50);
  while (!done()) {
    StopIfSignalled();
    if (std::chrono::steady_clock::now() < yieldUntil) {
      std::this_thread::yield();
      continue;
    }
    std::this_thread::sleep_for(pause);
    pause = std::min(pause * 2, std::chrono::microseconds(1000));
  }
}
