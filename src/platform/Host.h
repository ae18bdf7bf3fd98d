#pragma once
// The core's only door to the user: message boxes, beeps, the message pump and the dialogs that
// core code opens. The program installs a Qt host; tests install a ScriptedHost.

#include <functional>
#include <string>

class HostedJob;
class SubsetJob;

struct MessageRequest {
  std::string text;     // UTF-8
  std::string caption;  // UTF-8
  unsigned flags = 0;   // MB_* buttons and icon
  const void* owner = nullptr;  // opaque owner window; null = the application window
};

class Host {
 public:
  virtual ~Host() = default;

  // Shows a modal box and returns IDOK, IDCANCEL, IDYES or IDNO. Callable from any thread.
  virtual int ShowMessage(const MessageRequest& request) = 0;
  virtual void Beep() = 0;
  // Processes pending events of the GUI thread; does nothing on other threads.
  virtual void PumpMessages() = 0;
  // Waits until done() holds, keeping the GUI responsive when called on the GUI thread.
  virtual void WaitPumping(const std::function<bool()>& done) = 0;
  // Whether the process has been asked to end by a signal (platform/SignalStop.h): a job's dialog
  // cancels its job, and a wait with no job of its own to cancel gives up.
  virtual bool StopRequested();
  // Starts the job under the modal progress dialog ("Please Wait...", the message, a percent
  // bar and, when showCancel, a Cancel button) and returns once it is Terminated: finished or
  // cancelled, with the worker possibly still winding down. Without a dialog it simply runs
  // the job to that point.
  virtual void RunJob(HostedJob& job, const std::string& message, bool showCancel,
                      const void* owner);

  // Runs the job under the "Analysing Lexicons" dialog and returns the dialog's modal result.
  // Without a dialog it simply runs the job to its end.
  virtual int RunSubsetDialog(SubsetJob& job);

  // The installed host. Before any is installed, a ScriptedHost that answers every box with its
  // default button stands in, so core code never finds itself without one.
  static Host& Current();
  static void Install(Host* host);
};
