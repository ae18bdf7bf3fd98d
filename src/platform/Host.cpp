#include "platform/Host.h"

#include "platform/HostedJob.h"
#include "platform/SignalStop.h"
#include "platform/SubsetJob.h"

void Host::RunJob(HostedJob& job, const std::string& /*message*/, bool /*showCancel*/,
                  const void* /*owner*/) {
  WorkerThread& worker = job.Worker();
  worker.Resume();
  while (!worker.WaitTerminated(std::chrono::seconds(1))) {
  }
}

bool Host::StopRequested() { return SignalStop::Received() != 0; }

int Host::RunSubsetDialog(SubsetJob& job) {
  job.Start();
  WaitPumping([&job] { return job.Ended(); });
  return job.ModalResult();
}
