#include "foundation/ProgressDialog.h"

#include "platform/Host.h"

ProgressDialog::ProgressDialog(const void* window, std::unique_ptr<ProgressThread> launched)
    : owner(window), job(std::move(launched)) {}

ProgressDialog::~ProgressDialog() { job->Worker().WaitFor(); }

void ProgressDialog::Start() {
  Host::Current().RunJob(*job, message, showCancel, owner);
  // The dialog closes as soon as the job is Terminated, which a cancel sets while the worker
  // may still be finishing; the outcome is read only once it has ended.
  job->Worker().WaitFor();
}
