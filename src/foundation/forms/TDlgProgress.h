#pragma once
// The modal "Please Wait..." dialog over a running job: its message, a percent bar polled every
// 250 ms and a Cancel button that asks before it cancels. A job that ends within half a
// second never shows it.

#include <QDialog>

#include "platform/HostedJob.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTimer;

class TDlgProgress : public QDialog {
  Q_OBJECT

 public:
  // owner: the window the dialog is centred on. The job stays the caller's.
  TDlgProgress(QWidget* owner, HostedJob& job);

  void SetMessage(const QString& message);
  // No Cancel button, and then Escape does nothing either.
  void HideCancel();
  // Starts the job and returns once it is Terminated (finished, or cancelled while the worker
  // may still be winding down).
  void Start();

  QLabel* lblMessage;
  QProgressBar* ProgressBar1;
  QPushButton* cmdCancel;
  QTimer* tmrUpdate;

 protected:
  // Escape: the Cancel button when there is one.
  void reject() override;
  // The job decides when the dialog closes.
  void closeEvent(QCloseEvent* event) override;

 private:
  void tmrUpdateTimer();
  void cmdCancelClick();
  void ShowProgress();

  HostedJob& job;
};
