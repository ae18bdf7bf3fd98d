#include "foundation/ProgressDialog.h"

#include <atomic>

#include "platform/Host.h"

namespace {
std::atomic<int> startsUnderWay{0};
}

ProgressDialog::ProgressDialog(const void* window, std::unique_ptr<ProgressThread> launched)
    : owner(window), job(std::move(launched)) {}

ProgressDialog::~ProgressDialog() { job->Worker().WaitFor(); }

bool ProgressDialog::AnyUnderWay() { return startsUnderWay.load() > 0; }

void ProgressDialog::Start() {
  struct UnderWay {
    UnderWay() { ++startsUnderWay; }
    ~UnderWay() { --startsUnderWay; }
  } underWay;
  Host::Current().RunJob(*job, message, showCancel, owner);
  // The dialog closes as soon as the job is Terminated, which a cancel sets while the worker
  // may still be finishing; the outcome is read only once it has ended.
  job->Worker().WaitFor();
}
