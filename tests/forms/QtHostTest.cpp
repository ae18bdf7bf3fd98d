#include "platform/qt/QtHost.h"

#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <gtest/gtest.h>
#include <thread>

#include "platform/MessageBoxFlags.h"

namespace {

// What a box looked like when it was shown.
struct SeenBox {
  bool onGuiThread = false;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
  QMessageBox::Icon icon = QMessageBox::NoIcon;
  Qt::TextFormat format = Qt::AutoText;
  QString text;
  QString caption;
  QWidget* parent = nullptr;
};

class QtHostTest : public ::testing::Test {
 protected:
  // Every box shown is recorded and then answered by pressing the given button.
  void AnswerWith(QMessageBox::StandardButton press) {
    host.SetBoxHook([this, press](QMessageBox& box) {
      Record(box);
      QTimer::singleShot(0, &box, [&box, press] { box.button(press)->click(); });
    });
  }

  // Every box shown is recorded and then offered the Escape key; a box that stays open is
  // answered with its first button.
  void AnswerWithEscape() {
    host.SetBoxHook([this](QMessageBox& box) {
      Record(box);
      QTimer::singleShot(0, &box, [this, &box] {
        QTest::keyClick(&box, Qt::Key_Escape);
        escapeIgnored = box.isVisible();
        if (escapeIgnored) box.defaultButton()->click();
      });
    });
  }

  // Asks from a worker thread while the GUI thread waits through the host.
  int AskFromWorker(const MessageRequest& request) {
    std::atomic<bool> answered{false};
    int answer = 0;
    std::thread worker([&] {
      answer = host.ShowMessage(request);
      answered = true;
    });
    host.WaitPumping([&] { return answered.load(); });
    worker.join();
    return answer;
  }

  void Record(QMessageBox& box) {
    seen.onGuiThread = QThread::currentThread() == qApp->thread();
    seen.buttons = box.standardButtons();
    seen.defaultButton = box.standardButton(box.defaultButton());
    seen.icon = box.icon();
    seen.format = box.textFormat();
    seen.text = box.text();
    seen.caption = box.windowTitle();
    seen.parent = box.parentWidget();
  }

  QtHost host;
  SeenBox seen;
  bool escapeIgnored = false;
};

struct BoxCase {
  const char* name;
  unsigned flags;
  QMessageBox::StandardButtons buttons;
  QMessageBox::StandardButton first;
  QMessageBox::Icon icon;
  QMessageBox::StandardButton press;
  int answer;
};

class QtHostWorkerTest : public QtHostTest, public ::testing::WithParamInterface<BoxCase> {};

TEST_P(QtHostWorkerTest, WorkerBoxIsShownOnTheGuiThreadAndAnswered) {
  const BoxCase& c = GetParam();
  AnswerWith(c.press);
  EXPECT_EQ(AskFromWorker({"Text <b>as is</b>\nline 2", "Caption", c.flags, nullptr}), c.answer);
  EXPECT_TRUE(seen.onGuiThread);
  EXPECT_EQ(seen.buttons, c.buttons);
  EXPECT_EQ(seen.defaultButton, c.first);
  EXPECT_EQ(seen.icon, c.icon);
  EXPECT_EQ(seen.format, Qt::PlainText);
  EXPECT_EQ(seen.text, "Text <b>as is</b>\nline 2");
  EXPECT_EQ(seen.caption, "Caption");
}

using B = QMessageBox;
INSTANTIATE_TEST_SUITE_P(
    ButtonsAndIcons, QtHostWorkerTest,
    ::testing::Values(BoxCase{"Ok", MB_OK, B::Ok, B::Ok, B::NoIcon, B::Ok, IDOK},
                      BoxCase{"OkCancelWarning", MB_OKCANCEL | MB_ICONWARNING, B::Ok | B::Cancel,
                              B::Ok, B::Warning, B::Cancel, IDCANCEL},
                      BoxCase{"YesNoCancelQuestion", MB_YESNOCANCEL | MB_ICONQUESTION,
                              B::Yes | B::No | B::Cancel, B::Yes, B::Question, B::Yes, IDYES},
                      BoxCase{"YesNoError", MB_YESNO | MB_ICONERROR, B::Yes | B::No, B::Yes,
                              B::Critical, B::No, IDNO},
                      BoxCase{"OkInformation", MB_OK | MB_ICONINFORMATION, B::Ok, B::Ok,
                              B::Information, B::Ok, IDOK}),
    [](const ::testing::TestParamInfo<BoxCase>& info) { return std::string(info.param.name); });

TEST_F(QtHostTest, EscapeAnswersLikeTheSystemBox) {
  AnswerWithEscape();
  EXPECT_EQ(host.ShowMessage({"t", "c", MB_OK, nullptr}), IDOK);
  EXPECT_FALSE(escapeIgnored);
  EXPECT_EQ(host.ShowMessage({"t", "c", MB_OKCANCEL, nullptr}), IDCANCEL);
  EXPECT_FALSE(escapeIgnored);
  EXPECT_EQ(host.ShowMessage({"t", "c", MB_YESNOCANCEL, nullptr}), IDCANCEL);
  EXPECT_FALSE(escapeIgnored);
  // A yes/no question ignores Escape; the box stays until a button is pressed.
  EXPECT_EQ(host.ShowMessage({"t", "c", MB_YESNO, nullptr}), IDYES);
  EXPECT_TRUE(escapeIgnored);
}

TEST_F(QtHostTest, BoxBelongsToItsOwnerOrTheApplicationWindow) {
  AnswerWith(QMessageBox::Ok);
  QWidget dialog;
  host.ShowMessage({"t", "c", MB_OK, BoxOwner(&dialog)});
  EXPECT_EQ(seen.parent, &dialog);

  host.ShowMessage({"t", "c", MB_OK | MB_TASKMODAL, BoxOwner(&dialog)});
  EXPECT_EQ(seen.parent, &dialog);

  QMainWindow mainWindow;
  mainWindow.show();
  host.ShowMessage({"t", "c", MB_OK, nullptr});
  EXPECT_EQ(seen.parent, &mainWindow);
}

TEST_F(QtHostTest, PumpRunsGuiEventsOnlyOnTheGuiThread) {
  bool ran = false;
  QTimer::singleShot(0, qApp, [&] { ran = true; });
  host.PumpMessages();
  EXPECT_TRUE(ran);

  std::atomic<bool> ranDuringWorkerPump{true};
  std::atomic<bool> posted{false};
  std::thread worker([&] {
    QMetaObject::invokeMethod(qApp, [&] { posted = true; }, Qt::QueuedConnection);
    host.PumpMessages();
    ranDuringWorkerPump = posted.load();
  });
  worker.join();
  EXPECT_FALSE(ranDuringWorkerPump);
  host.WaitPumping([&] { return posted.load(); });
}

TEST_F(QtHostTest, WorkerWaitReturnsOnceDone) {
  std::atomic<bool> done{false};
  std::thread worker([&] { host.WaitPumping([&] { return done.load(); }); });
  done = true;
  worker.join();
  SUCCEED();
}

}  // namespace
