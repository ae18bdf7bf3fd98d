#include "foundation/ProcessMessages.h"

#include "platform/Host.h"
#include "platform/WorkerThread.h"

void ProcessMessages() {
  // Workers never touch the GUI's events; for them this is a checkpoint.
  if (WorkerThread* worker = WorkerThread::Current()) return worker->Checkpoint();
  Host::Current().PumpMessages();
}
