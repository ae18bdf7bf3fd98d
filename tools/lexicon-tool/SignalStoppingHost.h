#pragma once
// The base of lexicon-tool's hosts: once a stop signal has come (platform/SignalStop.h), its
// waits stop the search (as its Stop action does) and the lexicon analysis (through its Cancel),
// and the jobs it runs are cancelled without the question, as their Cancel button would.

#include <functional>

#include "platform/ScriptedHost.h"

class SignalStoppingHost : public ScriptedHost {
 public:
  int RunSubsetDialog(SubsetJob& job) override;
  void RunJob(HostedJob& job, const std::string& message, bool showCancel,
              const void* owner) override;
  // How a signal stops the search that runs.
  void StopSearchWith(std::function<void()> stop) { stopSearch = std::move(stop); }

 protected:
  // A subclass's own wait calls it as it polls.
  void StopIfSignalled();

 private:
  std::function<void()> stopSearch;  // set and called on one thread
  SubsetJob* analysis = nullptr;     // while the analysis runs; set and read on one thread
};
