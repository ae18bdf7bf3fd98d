#pragma once
// A process asked to stop by SIGINT, SIGTERM or SIGPIPE ends the way its user would end it:
// what runs is stopped or cancelled, its owners delete their working files as they go, and only
// then does the process end by the signal, as it would have without a handler (quietly, for
// SIGPIPE). The handlers only record the signal; the host's waits and the dialogs' timers notice
// it (Host::StopRequested) and stop what runs.

#include <functional>

namespace SignalStop {

// Runs body with the handlers installed and returns its status; when a signal has come, ends the
// process by it once body has returned and its objects are gone, else puts the handlers that
// were there before back. A signal the process was started
// to ignore (a background job's SIGINT) stays ignored.
int RunEndingOnSignals(const std::function<int()>& body);
// The signal recorded so far; 0 when none.
int Received();
// Forgets a recorded signal: for tests that raise one in their own process.
void Forget();

}  // namespace SignalStop
