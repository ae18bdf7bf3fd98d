#include "foundation/ProgressDialog.h"

#include "platform/Host.h"

ProgressDialog::ProgressDialog(const void* owner, std::unique_ptr<ProgressThread> job)
    : owner_(owner), job_(std::move(job)) {}

ProgressDialog::~ProgressDialog() { job_->Worker().WaitFor(); }

void ProgressDialog::Start() {
  Host::Current().RunJob(*job_, message_, showCancel_, owner_);
  // The dialog closes as soon as the job is Terminated, which a cancel sets while the worker
  // may still be finishing; the outcome is read only once it has ended.
  job_->Worker().WaitFor();
}
