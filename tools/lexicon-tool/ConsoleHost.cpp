#include "ConsoleHost.h"

#include <cstdio>

#include "platform/MessageBoxFlags.h"

int ConsoleHost::ShowMessage(const MessageRequest& request) {
  std::fprintf(stderr, "%s: %s\n", request.caption.c_str(), request.text.c_str());
  if ((request.flags & MB_ICONMASK) != MB_ICONQUESTION) failed = true;
  return SignalStoppingHost::ShowMessage(request);
}

void ConsoleHost::WaitPumping(const std::function<bool()>& done) {
  // The scripted host's wait, which looks at its condition at least every millisecond, looks
  // for a signal too.
  ScriptedHost::WaitPumping([&] {
    StopIfSignalled();
    return done();
  });
}
