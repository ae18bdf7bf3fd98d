#include "platform/ConfirmJobCancel.h"

#include <string>

#include "platform/Host.h"
#include "platform/HostedJob.h"
#include "platform/MessageBoxFlags.h"
#include "platform/PlatformTextIds.h"
#include "platform/StringTable.h"

void ConfirmJobCancel(HostedJob& job, const void* owner) {
  WorkerThread& worker = job.Worker();
  worker.Suspend();
  const MessageRequest question{
      "Cancel Operation?", std::string(StringTable::Find(kConfirmCaption)), MB_OKCANCEL, owner};
  if (Host::Current().ShowMessage(question) == IDOK) job.Cancel();
  worker.Resume();
}
