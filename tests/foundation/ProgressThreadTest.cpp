#include "foundation/ProgressThread.h"

#include <gtest/gtest.h>

#include <chrono>
#include <functional>
#include <new>
#include <thread>

#include "foundation/ProcessMessages.h"
#include "foundation/ProgressDialog.h"
#include "foundation/SorvaneException.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"

namespace {

using namespace std::chrono_literals;

// Ten units of work, each followed by its percentage; stops early when asked. What it did is
// read by the tests after the worker has ended.
class TenUnitsJob : public ProgressThread {
 public:
  int unitsDone = 0;
  bool outputWritten = false;

 protected:
  void Execute() override {
    for (int unit = 1; unit <= 10; ++unit) {
      if (ShouldStop()) return;
      ++unitsDone;
      SetProgress(unit * 10);
    }
    outputWritten = true;
  }
};

class ThrowingJob : public ProgressThread {
 public:
  explicit ThrowingJob(std::function<void()> failure) : fail(std::move(failure)) {}

 protected:
  void Execute() override { fail(); }

 private:
  std::function<void()> fail;
};

class ProgressThreadThreads : public ::testing::Test {
 protected:
  // Runs the job as every launcher does and hands back the holder for inspection.
  std::unique_ptr<ProgressDialog> Launch(std::unique_ptr<ProgressThread> job,
                                         bool showCancel = true) {
    auto dialog = std::make_unique<ProgressDialog>(nullptr, std::move(job));
    dialog->SetMessage("Sorting Results");
    if (!showCancel) dialog->HideCancel();
    dialog->Start();
    return dialog;
  }
  template <class Job>
  static Job& JobOf(const ProgressDialog& dialog) {
    return *static_cast<Job*>(dialog.GetThread());
  }

  ScriptedHost host;
  ScopedHost scope{host};
};

TEST_F(ProgressThreadThreads, AJobRunToItsEndLeavesItsOutputAndNoQuestion) {
  auto dialog = Launch(std::make_unique<TenUnitsJob>());
  EXPECT_FALSE(dialog->WasCancelled());
  EXPECT_EQ(dialog->GetResult(), 0);
  EXPECT_TRUE(JobOf<TenUnitsJob>(*dialog).outputWritten);
  EXPECT_EQ(dialog->GetThread()->GetProgress(), 100);
  ASSERT_EQ(host.Jobs().size(), 1u);
  EXPECT_EQ(host.Jobs()[0].message, "Sorting Results");
  EXPECT_TRUE(host.Jobs()[0].showCancel);
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(ProgressThreadThreads, ConfirmedCancelStopsTheJobAtItsNextCheckpoint) {
  host.CancelJobAt(30);
  host.QueueAnswer(IDOK);
  auto dialog = Launch(std::make_unique<TenUnitsJob>());
  EXPECT_TRUE(dialog->WasCancelled());
  EXPECT_EQ(dialog->GetResult(), 0);  // a cancel leaves the result as it was
  EXPECT_EQ(JobOf<TenUnitsJob>(*dialog).unitsDone, 3);
  EXPECT_FALSE(JobOf<TenUnitsJob>(*dialog).outputWritten);
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Cancel Operation?");
  EXPECT_EQ(boxes[0].caption, "Confirm");
  EXPECT_EQ(boxes[0].flags, MB_OKCANCEL);
}

TEST_F(ProgressThreadThreads, CancelAnsweredWithCancelLetsTheJobGoOn) {
  host.CancelJobAt(30);
  host.QueueAnswer(IDCANCEL);
  auto dialog = Launch(std::make_unique<TenUnitsJob>());
  EXPECT_FALSE(dialog->WasCancelled());
  EXPECT_EQ(JobOf<TenUnitsJob>(*dialog).unitsDone, 10);
  EXPECT_TRUE(JobOf<TenUnitsJob>(*dialog).outputWritten);
  EXPECT_EQ(host.Boxes().size(), 1u);
}

TEST_F(ProgressThreadThreads, AJobWithoutCancelButtonCannotBeCancelled) {
  host.CancelJobAt(30);
  auto dialog = Launch(std::make_unique<TenUnitsJob>(), /*showCancel=*/false);
  EXPECT_FALSE(dialog->WasCancelled());
  EXPECT_TRUE(JobOf<TenUnitsJob>(*dialog).outputWritten);
  EXPECT_FALSE(host.Jobs()[0].showCancel);
  EXPECT_TRUE(host.Boxes().empty());
}

// The dialog closes as soon as a cancel sets Terminated; Start must still wait for the worker,
// or the launcher would read an outcome the worker is still writing.
TEST_F(ProgressThreadThreads, StartReturnsOnlyOnceACancelledWorkerHasEnded) {
  struct SlowToStopJob : ProgressThread {
    bool finishedWindingDown = false;  // plain: a read before the worker ended is a race
    void Execute() override {
      while (!ShouldStop()) SetProgress(50);
      std::this_thread::sleep_for(100ms);
      finishedWindingDown = true;
      result = 7;
    }
  };
  host.CancelJobAt(50);
  auto dialog = Launch(std::make_unique<SlowToStopJob>());
  EXPECT_TRUE(dialog->WasCancelled());
  EXPECT_TRUE(JobOf<SlowToStopJob>(*dialog).finishedWindingDown);
  EXPECT_EQ(dialog->GetResult(), 7);
}

TEST_F(ProgressThreadThreads, EveryKindOfFailureIsReportedAndEndsWithMinusOne) {
  const std::vector<std::pair<std::function<void()>, std::string>> failures = {
      {[] { throw SorvaneException("Unable to Open File /x"); }, "Unable to Open File /x"},
      {[] { throw std::runtime_error("disk on fire"); }, "disk on fire"},
      {[] { throw std::bad_alloc(); }, "Not enough memory to complete the operation."},
      {[] { throw 42; }, "The operation failed unexpectedly."},
  };
  for (const auto& [fail, text] : failures) {
    host.Clear();
    auto dialog = Launch(std::make_unique<ThrowingJob>(fail));
    EXPECT_EQ(dialog->GetResult(), -1) << text;
    EXPECT_FALSE(dialog->WasCancelled());
    EXPECT_EQ(dialog->GetThread()->ErrorText(), text);
    const auto boxes = host.Boxes();
    ASSERT_EQ(boxes.size(), 1u) << text;
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].caption, "Error");
    EXPECT_EQ(boxes[0].flags, MB_OK);
  }
}

TEST_F(ProgressThreadThreads, AFailureLeftToTheLauncherIsKeptNotShown) {
  auto job = std::make_unique<ThrowingJob>([] { throw SorvaneException("quiet"); });
  job->SetReportErrors(false);
  auto dialog = Launch(std::move(job));
  EXPECT_EQ(dialog->GetResult(), -1);
  EXPECT_EQ(dialog->GetThread()->ErrorText(), "quiet");
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(ProgressThreadThreads, AJobThatIsNeverStartedNeverRuns) {
  auto job = std::make_unique<TenUnitsJob>();
  { ProgressDialog dialog(nullptr, std::move(job)); }
  EXPECT_TRUE(host.Jobs().empty());  // and nothing hung or ran meanwhile
}

TEST_F(ProgressThreadThreads, ProcessMessagesOnAWorkerIsWhereAPauseTakesEffect) {
  struct PumpingJob : ProgressThread {
    std::atomic<int> pumps{0};
    void Execute() override {
      for (int i = 0; i < 5; ++i) {
        pumps.fetch_add(1);
        ProcessMessages();
      }
    }
  };
  PumpingJob job;
  job.Worker().Step();
  EXPECT_EQ(job.pumps, 1);
  job.Worker().Step();
  EXPECT_EQ(job.pumps, 2);
  job.Worker().Resume();
  job.Worker().WaitFor();
  EXPECT_EQ(job.pumps, 5);
}

}  // namespace
