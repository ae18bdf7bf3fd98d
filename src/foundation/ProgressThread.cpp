#include "foundation/ProgressThread.h"

#include "foundation/FailureText.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"

ProgressThread::ProgressThread() : thread([this] { Run(); }) {}

ProgressThread::~ProgressThread() = default;

void ProgressThread::Cancel() {
  cancelled.store(true, std::memory_order_release);
  Terminate();
}

void ProgressThread::SetProgress(int32_t percent) {
  progress.store(percent, std::memory_order_relaxed);
  thread.Checkpoint();
}

bool ProgressThread::ShouldStop() {
  thread.Checkpoint();
  return cancelled.load(std::memory_order_acquire) || thread.Terminated();
}

void ProgressThread::Run() noexcept {
  // Every failure ends the job with -1, whatever was thrown, so that its dialog always closes.
  try {
    Execute();
  } catch (...) {
    ReportFailure(CurrentFailureText());
  }
}

void ProgressThread::ReportFailure(const std::string& text) noexcept {
  result.store(-1, std::memory_order_release);
  try {
    errorText = text;
    if (reportErrors) ShowMessageBox(text, LoadResString(kErrorCaption), MB_OK);
  } catch (...) {
    // Nothing is left to report with; the result already says the job failed.
  }
}
