#include "SignalStoppingHost.h"

#include <chrono>

#include "platform/HostedJob.h"
#include "platform/SignalStop.h"
#include "platform/SubsetJob.h"

int SignalStoppingHost::RunSubsetDialog(SubsetJob& job) {
  analysis = &job;
  const int result = ScriptedHost::RunSubsetDialog(job);
  analysis = nullptr;
  return result;
}

void SignalStoppingHost::RunJob(HostedJob& job, const std::string& /*message*/, bool /*showCancel*/,
                                const void* /*owner*/) {
  WorkerThread& worker = job.Worker();
  worker.Resume();
  bool cancelled = false;
  while (!worker.WaitTerminated(std::chrono::milliseconds(5))) {
    if (cancelled || !SignalStop::Received()) continue;
    job.Cancel();
    cancelled = true;
  }
}

void SignalStoppingHost::StopIfSignalled() {
  if (!SignalStop::Received()) return;
  if (analysis) analysis->Cancel();
  if (stopSearch) stopSearch();
}
