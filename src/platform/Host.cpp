#include "platform/Host.h"

#include "platform/HostedJob.h"

void Host::RunJob(HostedJob& job, const std::string& /*message*/, bool /*showCancel*/,
                  const void* /*owner*/) {
  WorkerThread& worker = job.Worker();
  worker.Resume();
  while (!worker.WaitTerminated(std::chrono::seconds(1))) {
  }
}
