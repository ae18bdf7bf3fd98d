#include "search/forms/TSubSetDlg.h"

#include <QApplication>
#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <condition_variable>
#include <gtest/gtest.h>
#include <mutex>
#include <thread>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/qt/QtHost.h"
#include "search/forms/HostDialogs.h"
#include "support/ScopedAppPaths.h"

namespace {

// A job whose end the test decides: at once inside Start, after a delay on a worker, when
// cancelled, or only when the test finishes it.
class FakeJob : public SubsetJob {
 public:
  enum class Ending { AtOnce, AfterDelay, OnCancel, OnFinish };

  FakeJob(Ending howItEnds, int endResult) : ending(howItEnds), result(endResult) {}
  ~FakeJob() override {
    Finish(result);
    if (worker.joinable()) worker.join();
  }

  void Start() override {
    if (++starts > 1) return;  // counted, so that a second start fails the test cleanly
    if (ending == Ending::AtOnce) {
      End(result);
      return;
    }
    worker = std::thread([this] {
      std::unique_lock lock(mutex);
      if (ending == Ending::AfterDelay) {
        wake.wait_for(lock, std::chrono::milliseconds(50), [this] { return finish; });
      } else {
        wake.wait(lock, [this] { return finish || (ending == Ending::OnCancel && cancels); });
      }
      End(finish ? finishResult : ending == Ending::OnCancel ? kModalCancel : result);
    });
  }
  void Cancel() override {
    std::lock_guard lock(mutex);
    ++cancels;
    wake.notify_all();
  }
  bool Ended() const override { return ended.load(std::memory_order_acquire); }
  int ModalResult() const override { return modalResult; }

  // Lets a job waiting on the test end with the given result.
  void Finish(int given) {
    std::lock_guard lock(mutex);
    finish = true;
    finishResult = given;
    wake.notify_all();
  }

  std::atomic<int> starts{0};
  std::atomic<int> cancels{0};

 private:
  void End(int given) {
    modalResult = given;
    ended.store(true, std::memory_order_release);
  }

  const Ending ending;
  const int result;
  std::thread worker;
  std::mutex mutex;
  std::condition_variable wake;
  bool finish = false;
  int finishResult = 0;
  int modalResult = 0;
  std::atomic<bool> ended{false};
};

using Ending = FakeJob::Ending;

class TSubSetDlgTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings::Rebuild(); }

  // Shows the dialog without a modal loop and waits until it has closed itself.
  static bool ClosesBySelf(TSubSetDlg& dialog) {
    return QTest::qWaitFor([&] { return !dialog.isVisible(); });
  }
  // Long enough for many polls of the job's end.
  static void LetEventsRun() { QTest::qWait(80); }

  ScopedAppPaths paths;  // the fonts come from settings kept away from the real store
};

TEST_F(TSubSetDlgTest, HasItsCaptionTextAndButton) {
  FakeJob job(Ending::AtOnce, SubsetJob::kModalOk);
  TSubSetDlg dialog(nullptr, job);
  EXPECT_EQ(dialog.windowTitle(), "Analysing Lexicons");
  auto* message = dialog.findChild<QLabel*>();
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->text(), "Analysing Lexicons. Please wait");
  auto* cancel = dialog.findChild<QPushButton*>("CancelBtn");
  ASSERT_NE(cancel, nullptr);
  EXPECT_EQ(cancel->text(), "Cancel");
  EXPECT_GE(dialog.width(), 185);
  EXPECT_GE(dialog.height(), 63);
  EXPECT_EQ(dialog.minimumSize(), dialog.maximumSize());  // a dialog border: not sizable
  EXPECT_EQ(dialog.font().family(),
            QString::fromStdString(Settings::Instance().GetString(SettingId::SorvaneFont)));
  EXPECT_EQ(job.starts, 0);  // nothing runs before the dialog is shown
}

TEST_F(TSubSetDlgTest, IsCentredOnItsOwner) {
  FakeJob job(Ending::OnFinish, SubsetJob::kModalOk);
  QWidget owner;
  owner.setGeometry(200, 150, 600, 400);
  owner.show();
  TSubSetDlg dialog(&owner, job);
  dialog.show();
  EXPECT_LE((dialog.frameGeometry().center() - owner.frameGeometry().center()).manhattanLength(),
            4);
  job.Finish(SubsetJob::kModalOk);
  EXPECT_TRUE(ClosesBySelf(dialog));
}

struct EndCase {
  const char* name;
  Ending ending;
  int jobResult;
  int dialogResult;
};
void PrintTo(const EndCase& c, std::ostream* out) { *out << c.name; }

class TSubSetDlgEndTest : public TSubSetDlgTest, public ::testing::WithParamInterface<EndCase> {};

TEST_P(TSubSetDlgEndTest, StartsTheJobOnceAndClosesWithItsResult) {
  const EndCase& c = GetParam();
  FakeJob job(c.ending, c.jobResult);
  TSubSetDlg dialog(nullptr, job);
  dialog.show();
  EXPECT_EQ(job.starts, 1);
  dialog.hide();  // minimised and shown again: still one job
  dialog.show();
  ASSERT_TRUE(ClosesBySelf(dialog));
  EXPECT_EQ(dialog.result(), c.dialogResult);
  EXPECT_EQ(job.starts, 1);
  EXPECT_EQ(job.cancels, 0);
  EXPECT_FALSE(dialog.WasCancelled());
}

INSTANTIATE_TEST_SUITE_P(
    Endings, TSubSetDlgEndTest,
    ::testing::Values(EndCase{"WellAfterAWhile", Ending::AfterDelay, SubsetJob::kModalOk, 1},
                      EndCase{"OtherwiseAfterAWhile", Ending::AfterDelay,
                              SubsetJob::kModalCancel, 2},
                      EndCase{"WellAtOnce", Ending::AtOnce, SubsetJob::kModalOk, 1},
                      EndCase{"OtherwiseAtOnce", Ending::AtOnce, SubsetJob::kModalCancel, 2}),
    [](const ::testing::TestParamInfo<EndCase>& info) { return std::string(info.param.name); });

// The three ways a user asks to stop.
struct CancelWay {
  const char* name;
  void (*press)(TSubSetDlg&);
};
void PrintTo(const CancelWay& way, std::ostream* out) { *out << way.name; }

class TSubSetDlgCancelTest : public TSubSetDlgTest,
                             public ::testing::WithParamInterface<CancelWay> {};

TEST_P(TSubSetDlgCancelTest, CancelsTheJobButClosesOnlyAtItsEnd) {
  FakeJob job(Ending::OnFinish, SubsetJob::kModalOk);
  TSubSetDlg dialog(nullptr, job);
  dialog.show();
  GetParam().press(dialog);
  GetParam().press(dialog);  // pressed again while the job winds down
  LetEventsRun();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(job.cancels, 2);
  EXPECT_TRUE(dialog.WasCancelled());

  job.Finish(SubsetJob::kModalCancel);
  ASSERT_TRUE(ClosesBySelf(dialog));
  EXPECT_EQ(dialog.result(), 2);
}

TEST_P(TSubSetDlgCancelTest, AJobThatEndsOnCancelClosesTheDialogWithCancel) {
  FakeJob job(Ending::OnCancel, SubsetJob::kModalOk);
  TSubSetDlg dialog(nullptr, job);
  dialog.show();
  LetEventsRun();
  EXPECT_TRUE(dialog.isVisible());
  GetParam().press(dialog);
  ASSERT_TRUE(ClosesBySelf(dialog));
  EXPECT_EQ(dialog.result(), 2);
}

TEST_P(TSubSetDlgCancelTest, AStopTooLateLeavesTheJobsResult) {
  // A cancel during the merge: the merge runs to its end and its result decides.
  FakeJob merging(Ending::OnFinish, SubsetJob::kModalOk);
  // A job that has ended before the dialog has seen it.
  FakeJob ended(Ending::AtOnce, SubsetJob::kModalOk);
  for (FakeJob* job : {&merging, &ended}) {
    TSubSetDlg dialog(nullptr, *job);
    dialog.show();
    GetParam().press(dialog);
    job->Finish(SubsetJob::kModalOk);
    ASSERT_TRUE(ClosesBySelf(dialog));
    EXPECT_EQ(dialog.result(), 1);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Ways, TSubSetDlgCancelTest,
    ::testing::Values(
        CancelWay{"CancelButton",
                  [](TSubSetDlg& d) { d.findChild<QPushButton*>("CancelBtn")->click(); }},
        CancelWay{"Escape", [](TSubSetDlg& d) { QTest::keyClick(&d, Qt::Key_Escape); }},
        CancelWay{"CloseBox", [](TSubSetDlg& d) { d.close(); }}),
    [](const ::testing::TestParamInfo<CancelWay>& info) { return std::string(info.param.name); });

TEST_F(TSubSetDlgTest, HostRunsTheJobUnderTheModalDialogOfTheApplicationWindow) {
  QtHost host;
  RegisterHostDialogs(host);
  QMainWindow mainWindow;
  mainWindow.show();

  FakeJob good(Ending::AfterDelay, SubsetJob::kModalOk);
  QWidget* seenOwner = nullptr;
  QTimer::singleShot(0, [&] {
    if (QWidget* modal = QApplication::activeModalWidget()) seenOwner = modal->parentWidget();
  });
  EXPECT_EQ(host.RunSubsetDialog(good), 1);
  EXPECT_EQ(seenOwner, &mainWindow);
  EXPECT_TRUE(good.Ended());

  FakeJob cancelled(Ending::OnCancel, SubsetJob::kModalOk);
  QTimer::singleShot(20, [] {
    if (QWidget* modal = QApplication::activeModalWidget())
      QTest::keyClick(modal, Qt::Key_Escape);
  });
  EXPECT_EQ(host.RunSubsetDialog(cancelled), 2);
  EXPECT_EQ(cancelled.cancels, 1);
}

}  // namespace
