#include "foundation/forms/TDlgProgress.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <algorithm>
#include <chrono>

#include "platform/ConfirmJobCancel.h"
#include "platform/qt/QtHost.h"

namespace {
constexpr int kTickMilliseconds = 250;
constexpr std::chrono::milliseconds kGrace{500};
}  // namespace

TDlgProgress::TDlgProgress(QWidget* owner, HostedJob& running)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint), job(running) {
  setWindowTitle("Please Wait...");
  resize(278, 99);
  lblMessage = new QLabel(this);
  lblMessage->move(8, 8);
  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setGeometry(8, 24, 257, 17);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  cmdCancel = new QPushButton("Cancel", this);
  cmdCancel->setGeometry(190, 50, 75, 22);
  cmdCancel->setAutoDefault(false);
  tmrUpdate = new QTimer(this);
  tmrUpdate->setInterval(kTickMilliseconds);
  connect(tmrUpdate, &QTimer::timeout, this, &TDlgProgress::tmrUpdateTimer);
  connect(cmdCancel, &QPushButton::clicked, this, &TDlgProgress::cmdCancelClick);
}

void TDlgProgress::SetMessage(const QString& message) {
  lblMessage->setText(message);
  lblMessage->adjustSize();
}

void TDlgProgress::HideCancel() { cmdCancel->hide(); }

void TDlgProgress::Start() {
  job.Worker().Resume();
  tmrUpdate->start();
  if (job.Worker().WaitTerminated(kGrace)) return;
  ShowProgress();
  exec();
}

void TDlgProgress::tmrUpdateTimer() {
  if (job.Worker().Terminated()) {
    tmrUpdate->stop();
    done(QDialog::Accepted);
    return;
  }
  ShowProgress();
}

void TDlgProgress::ShowProgress() {
  // A job may report more than 100; the bar ignores values outside its range, so clamp.
  ProgressBar1->setValue(std::clamp(job.GetProgress(), 0, 100));
}

void TDlgProgress::cmdCancelClick() {
  // No tick may close the dialog under the question.
  tmrUpdate->stop();
  ConfirmJobCancel(job, BoxOwner(this));
  tmrUpdate->start();
}

void TDlgProgress::reject() {
  if (!cmdCancel->isHidden()) cmdCancelClick();
}

void TDlgProgress::closeEvent(QCloseEvent* event) {
  if (job.Worker().Terminated()) return;
  // Closed because the program was asked to end: the job is cancelled, and the dialog closes at
  // the job's end as after any cancel.
  if (Host::Current().StopRequested()) job.Cancel();
  event->ignore();
}
