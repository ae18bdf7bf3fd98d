#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QCloseEvent>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QThread>
#include <QTimer>
#include <cassert>
#include <chrono>
#include <thread>

#include "platform/MessageBoxFlags.h"

namespace {

constexpr int kPollMilliseconds = 5;

bool OnGuiThread() {
  assert(QCoreApplication::instance());
  return QThread::currentThread() == QCoreApplication::instance()->thread();
}

QMessageBox::Icon IconFor(unsigned flags) {
  switch (flags & MB_ICONMASK) {
    case MB_ICONERROR:
      return QMessageBox::Critical;
    case MB_ICONQUESTION:
      return QMessageBox::Question;
    case MB_ICONWARNING:
      return QMessageBox::Warning;
    case MB_ICONINFORMATION:
      return QMessageBox::Information;
    default:
      return QMessageBox::NoIcon;
  }
}

struct ButtonSet {
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton first;   // the default
  QMessageBox::StandardButton escape;  // NoButton: Escape does nothing
};

ButtonSet ButtonsFor(unsigned flags) {
  using B = QMessageBox;
  switch (flags & MB_BUTTONMASK) {
    case MB_OKCANCEL:
      return {B::Ok | B::Cancel, B::Ok, B::Cancel};
    case MB_YESNOCANCEL:
      return {B::Yes | B::No | B::Cancel, B::Yes, B::Cancel};
    case MB_YESNO:
      // A yes/no question has no way out but its two answers.
      return {B::Yes | B::No, B::Yes, B::NoButton};
    default:
      return {B::Ok, B::Ok, B::Ok};
  }
}

int AnswerFor(QMessageBox::StandardButton button) {
  switch (button) {
    case QMessageBox::Ok:
      return IDOK;
    case QMessageBox::Yes:
      return IDYES;
    case QMessageBox::No:
      return IDNO;
    default:
      return IDCANCEL;
  }
}

// QMessageBox lets Escape and the close button answer "No" to a yes/no question; this one can
// refuse both.
class AnswerBox : public QMessageBox {
 public:
  using QMessageBox::QMessageBox;
  bool escapeAllowed = true;

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!escapeAllowed && event->matches(QKeySequence::Cancel)) {
      event->accept();
      return;
    }
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (!escapeAllowed) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }
};

QWidget* OwnerWindow(const void* owner) {
  // The token is a QWidget* that BoxOwner turned into an opaque pointer.
  if (owner) return static_cast<QWidget*>(const_cast<void*>(owner));
  return ApplicationWindow();
}

}  // namespace

QWidget* ApplicationWindow() {
  if (QWidget* active = QApplication::activeWindow()) return active;
  for (QWidget* window : QApplication::topLevelWidgets())
    if (qobject_cast<QMainWindow*>(window) && window->isVisible()) return window;
  return nullptr;
}

int QtHost::ShowMessage(const MessageRequest& request) {
  if (OnGuiThread()) return ShowOnGuiThread(request);
  int answer = IDCANCEL;
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [&] { answer = ShowOnGuiThread(request); },
      Qt::BlockingQueuedConnection);
  return answer;
}

int QtHost::ShowOnGuiThread(const MessageRequest& request) {
  const ButtonSet set = ButtonsFor(request.flags);
  AnswerBox box(IconFor(request.flags), QString::fromUtf8(request.caption),
                QString::fromUtf8(request.text), set.buttons, OwnerWindow(request.owner));
  // Paths and words may hold '<'.
  box.setTextFormat(Qt::PlainText);
  box.setDefaultButton(set.first);
  box.escapeAllowed = set.escape != QMessageBox::NoButton;
  if (box.escapeAllowed) box.setEscapeButton(set.escape);
  if (boxHook) boxHook(box);
  box.exec();
  QAbstractButton* clicked = box.clickedButton();
  return AnswerFor(clicked ? box.standardButton(clicked) : set.escape);
}

void QtHost::Beep() {
  if (OnGuiThread()) {
    QApplication::beep();
    return;
  }
  QMetaObject::invokeMethod(
      QCoreApplication::instance(), [] { QApplication::beep(); }, Qt::QueuedConnection);
}

void QtHost::PumpMessages() {
  if (OnGuiThread()) QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtHost::WaitPumping(const std::function<bool()>& done) {
  if (done()) return;
  if (!OnGuiThread()) {
    while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(kPollMilliseconds));
    return;
  }
  // Keep serving the GUI (and boxes that workers ask for) while waiting.
  QEventLoop loop;
  QTimer poll;
  QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
    if (done()) loop.quit();
  });
  poll.start(kPollMilliseconds);
  loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void QtHost::RunJob(HostedJob& job, const std::string& message, bool showCancel,
                    const void* owner) {
  if (!OnGuiThread()) {
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [&] { RunJob(job, message, showCancel, owner); },
        Qt::BlockingQueuedConnection);
    return;
  }
  if (!jobDialog) return Host::RunJob(job, message, showCancel, owner);
  jobDialog(OwnerWindow(owner), job, message, showCancel);
}

int QtHost::RunSubsetDialog(SubsetJob& job) {
  assert(OnGuiThread());
  if (!subsetDialog) return Host::RunSubsetDialog(job);
  return subsetDialog(ApplicationWindow(), job);
}
