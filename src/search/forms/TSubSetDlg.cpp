#include "search/forms/TSubSetDlg.h"

#include <QLabel>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include "foundation/forms/CopyFontSettings.h"

namespace {

constexpr QSize kClientSize(185, 63);
constexpr int kPollMilliseconds = 10;

}  // namespace

TSubSetDlg::TSubSetDlg(QWidget* owner, SubsetJob& analysis) : QDialog(owner), job(analysis) {
  setWindowTitle("Analysing Lexicons");
  CopyFontSettings(this);

  auto* message = new QLabel("Analysing Lexicons. Please wait", this);
  message->setAlignment(Qt::AlignCenter);
  CancelBtn = new QPushButton("Cancel", this);
  CancelBtn->setObjectName("CancelBtn");
  connect(CancelBtn, &QPushButton::clicked, this, &TSubSetDlg::CancelBtnClick);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message);
  layout->addWidget(CancelBtn, 0, Qt::AlignHCenter);
  // A dialog border: fixed size, though never so small that the texts are cut.
  setFixedSize(kClientSize.expandedTo(sizeHint()));

  endPoll.setInterval(kPollMilliseconds);
  connect(&endPoll, &QTimer::timeout, this, &TSubSetDlg::CloseIfEnded);
}

void TSubSetDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  // Shown again after being minimised: the job runs once.
  if (!started) FormShow();
}

void TSubSetDlg::FormShow() {
  started = true;
  job.Start();
  endPoll.start();
}

void TSubSetDlg::CancelBtnClick() {
  cancelled = true;
  job.Cancel();
}

void TSubSetDlg::CloseIfEnded() {
  if (job.Ended()) done(job.ModalResult());
}

void TSubSetDlg::done(int /*result*/) {
  if (!job.Ended()) {
    CancelBtnClick();
    return;
  }
  endPoll.stop();
  // Always the job's result: an Escape that lands just after the job ended must not turn a
  // finished analysis into a result no caller expects.
  QDialog::done(job.ModalResult());
}
