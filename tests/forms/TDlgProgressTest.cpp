#include "foundation/forms/TDlgProgress.h"

#include <QApplication>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <gtest/gtest.h>
#include <thread>

#include "foundation/ProgressDialog.h"
#include "platform/ScriptedHost.h"
#include "platform/qt/QtHost.h"
#include "search/forms/HostDialogs.h"

namespace {

using namespace std::chrono_literals;

// A job that does nothing but wait for the test: it shows `first` as its progress until the
// test moves it to stage 1, then `second` until stage 2, then ends. A cancel stops it.
class StagedJob : public ProgressThread {
 public:
  StagedJob(int32_t firstStage, int32_t secondStage) : first(firstStage), second(secondStage) {}
  std::atomic<int> stage{0};
  std::atomic<int> unitsDone{0};
  bool outputWritten = false;  // what a launcher would read

 protected:
  void Execute() override {
    if (!HoldAt(first, 1) || !HoldAt(second, 2)) return;
    outputWritten = true;
  }

 private:
  bool HoldAt(int32_t percent, int until) {
    while (stage < until) {
      if (ShouldStop()) return false;
      unitsDone.fetch_add(1);
      SetProgress(percent);
      std::this_thread::sleep_for(1ms);
    }
    return true;
  }
  int32_t first;
  int32_t second;
};

TDlgProgress* VisibleProgressDialog() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<TDlgProgress*>(window); dialog && dialog->isVisible()) {
      return dialog;
    }
  }
  return nullptr;
}

// Counts the progress dialogs that appear on screen.
class ShowCounter : public QObject {
 public:
  ShowCounter() { qApp->installEventFilter(this); }
  ~ShowCounter() override { qApp->removeEventFilter(this); }
  int shown = 0;

 protected:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<TDlgProgress*>(object)) ++shown;
    return false;
  }
};

class TDlgProgressTest : public ::testing::Test {
 protected:
  TDlgProgressTest() { RegisterHostDialogs(host); }

  // Runs the job as a launcher does, while `watch` looks at the dialog every 10 ms.
  std::unique_ptr<ProgressDialog> Launch(std::unique_ptr<StagedJob> job, bool showCancel,
                                         std::function<void(TDlgProgress*, StagedJob&)> watch) {
    StagedJob& staged = *job;
    auto dialog = std::make_unique<ProgressDialog>(nullptr, std::move(job));
    dialog->SetMessage("Sorting Results");
    if (!showCancel) dialog->HideCancel();
    QTimer watcher;
    QObject::connect(&watcher, &QTimer::timeout, [&] {
      if (TDlgProgress* visible = VisibleProgressDialog()) watch(visible, staged);
    });
    watcher.start(10);
    // Whatever goes wrong, the job ends within 20 s rather than hanging the run.
    QTimer::singleShot(20000, [&staged] { staged.stage = 99; });
    dialog->Start();
    return dialog;
  }

  QtHost host;
  ScopedHost scope{host};
  ShowCounter counter;
};

TEST_F(TDlgProgressTest, AJobEndingWithinHalfASecondNeverShowsTheDialog) {
  auto job = std::make_unique<StagedJob>(50, 100);
  StagedJob& staged = *job;
  std::thread finisher([&staged] {
    std::this_thread::sleep_for(50ms);
    staged.stage = 2;
  });
  auto dialog = Launch(std::move(job), true, [](TDlgProgress*, StagedJob&) {});
  finisher.join();
  EXPECT_EQ(counter.shown, 0);
  EXPECT_FALSE(dialog->WasCancelled());
  EXPECT_TRUE(staged.outputWritten);
}

TEST_F(TDlgProgressTest, ALongJobShowsTheDialogWithABarThatFollowsItsProgress) {
  bool sawThirty = false;
  bool sawFullAbove100 = false;
  auto dialog = Launch(std::make_unique<StagedJob>(30, 150), true,
                       [&](TDlgProgress* shown, StagedJob& job) {
                         const int bar = shown->ProgressBar1->value();
                         if (job.stage == 0 && bar == 30) {
                           sawThirty = true;
                           job.stage = 1;
                         } else if (job.stage == 1 && bar == 100) {
                           sawFullAbove100 = true;
                           job.stage = 2;
                         }
                       });
  EXPECT_EQ(counter.shown, 1);
  EXPECT_TRUE(sawThirty);
  EXPECT_TRUE(sawFullAbove100);
  EXPECT_EQ(VisibleProgressDialog(), nullptr);  // closed by the timer once the job ended
  EXPECT_FALSE(dialog->WasCancelled());
}

TEST_F(TDlgProgressTest, TheFormAsLaidOut) {
  StagedJob job(0, 0);
  TDlgProgress form(nullptr, job);
  form.SetMessage("Copying File");
  EXPECT_EQ(form.windowTitle(), "Please Wait...");
  EXPECT_EQ(form.size(), QSize(278, 99));
  EXPECT_TRUE(form.windowFlags().testFlag(Qt::Tool));
  EXPECT_FALSE(form.windowFlags().testFlag(Qt::WindowCloseButtonHint));
  EXPECT_EQ(form.lblMessage->text(), "Copying File");
  EXPECT_EQ(form.lblMessage->pos(), QPoint(8, 8));
  EXPECT_EQ(form.ProgressBar1->geometry(), QRect(8, 24, 257, 17));
  EXPECT_EQ(form.ProgressBar1->maximum(), 100);
  EXPECT_EQ(form.cmdCancel->geometry(), QRect(190, 50, 75, 22));
  EXPECT_EQ(form.cmdCancel->text(), "Cancel");
  EXPECT_EQ(form.tmrUpdate->interval(), 250);
  EXPECT_FALSE(form.tmrUpdate->isActive());
}

// Escape asks first and the answer Cancel lets the job go on; the button asks again and OK
// cancels: the dialog closes and the launcher sees a cancelled job whose output it must not
// read.
TEST_F(TDlgProgressTest, CancelAsksFirstAndOnlyOkCancels) {
  struct Question {
    QString text, caption;
    QMessageBox::StandardButtons buttons;
    bool ownedByTheDialog = false;
    int unitsWhenAsked = 0, unitsWhenAnswered = 0;
  };
  std::vector<Question> questions;
  StagedJob* running = nullptr;
  host.SetBoxHook([&](QMessageBox& box) {
    questions.push_back({box.text(), box.windowTitle(), box.standardButtons(),
                         qobject_cast<TDlgProgress*>(box.parentWidget()) != nullptr});
    const bool confirm = questions.size() == 2;
    // Give a worker that was not held plenty of time to show it.
    QTimer::singleShot(30, &box, [&] { questions.back().unitsWhenAsked = running->unitsDone; });
    QTimer::singleShot(150, &box, [&box, &questions, running, confirm] {
      questions.back().unitsWhenAnswered = running->unitsDone;
      box.button(confirm ? QMessageBox::Ok : QMessageBox::Cancel)->click();
    });
  });
  int unitsAfterFirstAnswer = -1;
  auto dialog = Launch(std::make_unique<StagedJob>(40, 40), true,
                       [&](TDlgProgress* shown, StagedJob& job) {
                         running = &job;
                         if (questions.empty()) {
                           QTest::keyClick(shown, Qt::Key_Escape);
                         } else if (questions.size() == 1) {
                           if (unitsAfterFirstAnswer < 0) unitsAfterFirstAnswer = job.unitsDone;
                           if (job.unitsDone > unitsAfterFirstAnswer + 5) shown->cmdCancel->click();
                         }
                       });
  ASSERT_EQ(questions.size(), 2u);
  for (const Question& question : questions) {
    EXPECT_EQ(question.text, "Cancel Operation?");
    EXPECT_EQ(question.caption, "Confirm");
    EXPECT_EQ(question.buttons, QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_TRUE(question.ownedByTheDialog);
    EXPECT_EQ(question.unitsWhenAsked, question.unitsWhenAnswered) << "the job went on meanwhile";
  }
  EXPECT_TRUE(dialog->WasCancelled());
  EXPECT_EQ(dialog->GetResult(), 0);
  const bool launcherReadsOutput = !dialog->WasCancelled() && dialog->GetResult() != -1;
  EXPECT_FALSE(launcherReadsOutput);
  EXPECT_FALSE(static_cast<StagedJob*>(dialog->GetThread())->outputWritten);
}

TEST_F(TDlgProgressTest, WithoutCancelNeitherEscapeNorClosingEndsTheDialog) {
  int boxes = 0;
  host.SetBoxHook([&](QMessageBox& box) {
    ++boxes;
    QTimer::singleShot(0, &box, [&box] { box.defaultButton()->click(); });
  });
  int ticks = 0;
  auto dialog = Launch(std::make_unique<StagedJob>(10, 10), false,
                       [&](TDlgProgress* shown, StagedJob& job) {
                         EXPECT_TRUE(shown->cmdCancel->isHidden());
                         QTest::keyClick(shown, Qt::Key_Escape);
                         shown->close();
                         if (++ticks == 20) job.stage = 2;  // still open after 20 tries
                       });
  EXPECT_GE(ticks, 20);
  EXPECT_EQ(boxes, 0);
  EXPECT_FALSE(dialog->WasCancelled());
  EXPECT_TRUE(static_cast<StagedJob*>(dialog->GetThread())->outputWritten);
}

TEST_F(TDlgProgressTest, AJobLaunchedFromAWorkerIsShownOnTheGuiThread) {
  bool shownOnGuiThread = false;
  QTimer watcher;
  QObject::connect(&watcher, &QTimer::timeout, [&] {
    if (VisibleProgressDialog()) shownOnGuiThread = QThread::currentThread() == qApp->thread();
  });
  watcher.start(10);
  auto job = std::make_unique<StagedJob>(20, 20);
  StagedJob& staged = *job;
  std::atomic<bool> launched{false};
  bool cancelled = true;
  std::thread launcher([&] {
    ProgressDialog dialog(nullptr, std::move(job));
    dialog.Start();
    cancelled = dialog.WasCancelled();
    launched = true;
  });
  QTimer::singleShot(700, [&staged] { staged.stage = 2; });
  host.WaitPumping([&] { return launched.load(); });
  launcher.join();
  EXPECT_TRUE(shownOnGuiThread);
  EXPECT_EQ(counter.shown, 1);
  EXPECT_FALSE(cancelled);
}

}  // namespace
