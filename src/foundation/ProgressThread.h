#pragma once
// The base of every long job: Execute runs on its own worker thread, created suspended, while
// the launcher's progress dialog polls progress and Terminated. A job's outcome (result,
// cancelled and whatever it produced) may be read only after its worker has ended.

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/HostedJob.h"
#include "platform/WorkerThread.h"

class ProgressThread : public HostedJob {
 public:
  ProgressThread();
  // Waits for a running worker. Jobs with members their Execute uses must have ended before
  // those members go (ProgressDialog sees to it); a job never started never runs.
  ~ProgressThread() override;
  ProgressThread(const ProgressThread&) = delete;
  ProgressThread& operator=(const ProgressThread&) = delete;

  // Sets cancelled, then Terminate.
  void Cancel() override;
  int32_t GetProgress() override { return progress.load(std::memory_order_relaxed); }
  WorkerThread& Worker() override { return thread; }

  int32_t GetResult() const { return result.load(std::memory_order_acquire); }
  bool WasCancelled() const { return cancelled.load(std::memory_order_acquire); }
  void Terminate() { thread.Terminate(); }
  bool Terminated() const { return thread.Terminated(); }
  // When set, a failure's text is kept in ErrorText for the launcher to report instead of being
  // shown by the job.
  void SetReportErrors(bool report) { reportErrors = report; }
  // The text of the failure that ended the job with result -1; read it after the worker ended.
  const std::string& ErrorText() const { return errorText; }

 protected:
  // The work. Reports progress, tests ShouldStop between units of work and stops early when it
  // holds. Any exception it lets out is reported ("Error" box) and ends the job with result -1.
  virtual void Execute() = 0;
  // Sets the percentage, then lets a pause take effect.
  void SetProgress(int32_t percent);
  // A checkpoint: lets a pause take effect, then tells whether to stop (cancelled or Terminated).
  bool ShouldStop();

  std::atomic<int32_t> progress{0};
  std::atomic<int32_t> result{0};  // -1: failed
  std::atomic<bool> cancelled{false};

 private:
  void Run() noexcept;
  void ReportFailure(const std::string& text) noexcept;

  bool reportErrors = true;  // set before the worker starts
  std::string errorText;     // written by the worker only
  WorkerThread thread;       // last: it goes first, waiting for the worker before the rest
};
