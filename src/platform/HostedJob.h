#pragma once
// What a host needs of a long job to run it under its progress dialog: the worker to start,
// pause and watch, the percentage to show and the cancel to call.

#include <cstdint>

#include "platform/WorkerThread.h"

class HostedJob {
 public:
  virtual ~HostedJob() = default;
  virtual WorkerThread& Worker() = 0;
  // Percent done; may run past 100, which shows as a full bar.
  virtual int32_t GetProgress() = 0;
  virtual void Cancel() = 0;
};
