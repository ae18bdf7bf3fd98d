#pragma once
// lexicon-tool ends on SIGINT, SIGTERM and SIGPIPE the way the Stop action ends a search: the
// search and the lexicon analysis before it stop, their owners delete the results and working
// files as they go, and only then does the process end by the signal, as it would have without
// a handler (quietly, for SIGPIPE). The handlers only record the signal; the host's waits
// notice it and stop what runs.

#include <functional>
#include <memory>

#include "platform/ScriptedHost.h"

class SearchGate;

namespace SignalStop {

// Runs command with the handlers installed and returns its status; when a signal has come,
// ends the process by it once command has returned and its objects are gone.
int RunEndingOnSignals(const std::function<int()>& command);
// The signal recorded so far; 0 when none.
int Received();

}  // namespace SignalStop

// A host whose waits stop the search (through its gate) and the lexicon analysis (through its
// Cancel) once a signal has come. A subclass's own wait calls StopIfSignalled as it polls.
class SignalStoppingHost : public ScriptedHost {
 public:
  explicit SignalStoppingHost(std::shared_ptr<SearchGate> searchGate)
      : gate(std::move(searchGate)) {}
  int RunSubsetDialog(SubsetJob& job) override;

 protected:
  void StopIfSignalled();

 private:
  std::shared_ptr<SearchGate> gate;
  SubsetJob* analysis = nullptr;  // while the analysis runs; set and read on one thread
};
