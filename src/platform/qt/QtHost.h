#pragma once
// The program's Host: message boxes, beeps and the event pump through Qt. A box asked for on a
// worker thread is shown on the GUI thread while the worker waits for its answer. The dialogs that
// core code opens through the host are forms of the layers above: each is a runner the forms
// layer registers (RegisterHostDialogs, called by the program's main and by the form tests).

#include <functional>
#include <string>

#include "platform/Host.h"

class HostedJob;
class QMessageBox;
class QWidget;
class SubsetJob;

// The owner token a form passes with a box: its own window.
inline const void* BoxOwner(const QWidget* window) { return window; }

// The window that dialogs without an owner of their own belong to: the active window, else the
// visible main window; null when there is neither.
QWidget* ApplicationWindow();

class QtHost : public Host {
 public:
  // Owner null: the application window. A task-modal box has an owner too: every box blocks the
  // whole program, and stands over the window it belongs to rather than mid-screen.
  int ShowMessage(const MessageRequest& request) override;
  void Beep() override;
  void PumpMessages() override;
  void WaitPumping(const std::function<bool()>& done) override;
  // The "Please Wait..." dialog, centred on the owner (null: the application window); a job
  // launched from a worker is shown on the GUI thread while the worker waits.
  void RunJob(HostedJob& job, const std::string& message, bool showCancel,
              const void* owner) override;
  // The "Analysing Lexicons" dialog, owned by the application window. GUI thread only.
  int RunSubsetDialog(SubsetJob& job) override;

  // Each runner shows its dialog modally, on the GUI thread, and returns once it closed. A dialog
  // with no runner registered falls back to the Host's own (headless) behaviour. Adding a dialog:
  // a runner type and setter here, the Host call that uses it, and its line in
  // RegisterHostDialogs.
  using JobDialogRunner = std::function<void(QWidget* owner, HostedJob& job,
                                             const std::string& message, bool showCancel)>;
  using SubsetDialogRunner = std::function<int(QWidget* owner, SubsetJob& job)>;
  void SetJobDialog(JobDialogRunner runner) { jobDialog = std::move(runner); }
  void SetSubsetDialog(SubsetDialogRunner runner) { subsetDialog = std::move(runner); }

  // Called on the GUI thread with every box just before it is shown, so that a test can answer
  // it (by clicking a button from a zero-delay timer) without a person.
  using BoxHook = std::function<void(QMessageBox&)>;
  void SetBoxHook(BoxHook hook) { boxHook = std::move(hook); }

 private:
  int ShowOnGuiThread(const MessageRequest& request);

  BoxHook boxHook;  // set and called on the GUI thread only
  JobDialogRunner jobDialog;
  SubsetDialogRunner subsetDialog;
};
