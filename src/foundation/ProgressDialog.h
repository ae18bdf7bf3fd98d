#pragma once
// How a launcher runs a job: create the job, hand it to a ProgressDialog, set the message,
// Start, and read what the job produced only when it was not cancelled and its result is not
// -1. Start returns once the worker has really ended, so the outcome is final by then.

#include <cstdint>
#include <memory>
#include <string>

#include "foundation/ProgressThread.h"

class ProgressDialog {
 public:
  // window: the one the dialog is centred on (opaque; null = the application window).
  ProgressDialog(const void* window, std::unique_ptr<ProgressThread> launched);
  // Waits for the worker if it still runs, then deletes the job, so that a job's destructor
  // (which may install or remove its files) runs here, after the worker has ended.
  ~ProgressDialog();
  ProgressDialog(const ProgressDialog&) = delete;
  ProgressDialog& operator=(const ProgressDialog&) = delete;

  void SetMessage(const std::string& text) { message = text; }
  // For jobs that must not be interrupted: no Cancel button, and Escape does nothing.
  void HideCancel() { showCancel = false; }
  void Start();

  // Whether a dialog's Start has yet to return, on any thread: what its job works on (a search
  // tab's results, say) must stay until it has, even once the dialog is closed.
  static bool AnyUnderWay();

  int32_t GetResult() const { return job->GetResult(); }
  bool WasCancelled() const { return job->WasCancelled(); }
  ProgressThread* GetThread() const { return job.get(); }

 private:
  const void* owner;
  std::unique_ptr<ProgressThread> job;
  std::string message;
  bool showCancel = true;
};
