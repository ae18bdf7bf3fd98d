#pragma once
// The small modal "Analysing Lexicons" dialog shown while the lexicon analysis job runs before a
// multi-word search. It starts the job when shown and closes itself with the job's result once
// the job has ended; it never closes earlier, because the job reads a request its caller owns.

#include <QDialog>
#include <QTimer>

#include "platform/SubsetJob.h"

class QPushButton;
class QShowEvent;

class TSubSetDlg : public QDialog {
  Q_OBJECT

 public:
  // owner: the window the dialog is centred on.
  TSubSetDlg(QWidget* owner, SubsetJob& job);

  // Whether Cancel was asked for; the job's result still decides how the dialog closes.
  bool WasCancelled() const { return cancelled; }

  // Every way of closing comes here: the job's end, Escape, the close box. Before the job has
  // ended it cancels the job instead; afterwards the dialog closes with the job's result.
  void done(int result) override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void FormShow();
  void CancelBtnClick();
  void CloseIfEnded();

  SubsetJob& job;
  QPushButton* CancelBtn = nullptr;
  // The worker never touches the widget: the GUI thread looks for the job's end.
  QTimer endPoll;
  bool started = false;
  bool cancelled = false;
};
