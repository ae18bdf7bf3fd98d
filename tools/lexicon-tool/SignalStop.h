#pragma once
// lexicon-tool ends on SIGINT, SIGTERM and SIGPIPE the way the Stop action ends a search: the
// search and the lexicon analysis before it stop, their owners delete the results and working
// files as they go, and only then does the process end by the signal, as it would have without
// a handler (quietly, for SIGPIPE). The handlers only record the signal; the host's waits
// notice it and stop what runs.

#include <functional>

#include "platform/ScriptedHost.h"

namespace SignalStop {

// Runs command with the handlers installed and returns its status; when a signal has come,
// ends the process by it once command has returned and its objects are gone.
int RunEndingOnSignals(const std::function<int()>& command);
// The signal recorded so far; 0 when none.
int Received();

}  // namespace SignalStop

// A host whose waits stop the search (as its Stop action does) and the lexicon analysis
// (through its Cancel) once a signal has come. A subclass's own wait calls StopIfSignalled as it
// polls.
class SignalStoppingHost : public ScriptedHost {
 public:
  int RunSubsetDialog(SubsetJob& job) override;
  // How a signal stops the search that runs.
  void StopSearchWith(std::function<void()> stop) { stopSearch = std::move(stop); }

 protected:
  void StopIfSignalled();

 private:
  std::function<void()> stopSearch;  // set and called on one thread
  SubsetJob* analysis = nullptr;  // while the analysis runs; set and read on one thread
};
