#include "platform/WorkerThread.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>

namespace {

using namespace std::chrono_literals;

// A worker that counts units of work, with a checkpoint after each, until told to stop or
// until it has done `units`.
struct CountingWorker {
  explicit CountingWorker(int units = 1'000'000)
      : thread([this, units] {
          for (int i = 0; i < units && !thread.Terminated(); ++i) {
            done.fetch_add(1);
            thread.Checkpoint();
          }
        }) {}

  std::atomic<int> done{0};
  WorkerThread thread;
};

TEST(WorkerThreadThreads, NothingRunsBeforeResumeAndANeverStartedWorkerNeverRuns) {
  std::atomic<bool> ran{false};
  {
    WorkerThread worker([&] { ran = true; });
    std::this_thread::sleep_for(20ms);
    EXPECT_FALSE(worker.Started());
    EXPECT_FALSE(worker.Terminated());
  }
  EXPECT_FALSE(ran);
}

TEST(WorkerThreadThreads, EndingTheBodySetsTerminatedAndEnded) {
  std::atomic<bool> ran{false};
  WorkerThread worker([&] { ran = true; });
  worker.Resume();
  EXPECT_TRUE(worker.WaitTerminated(10s));
  worker.WaitFor();
  EXPECT_TRUE(ran);
  EXPECT_TRUE(worker.Ended());
}

TEST(WorkerThreadThreads, StepRunsExactlyToTheNextCheckpoint) {
  CountingWorker worker(10);
  worker.thread.Step();
  EXPECT_EQ(worker.done, 1);
  worker.thread.Step();
  worker.thread.Step();
  EXPECT_EQ(worker.done, 3);
  std::this_thread::sleep_for(20ms);  // a held worker stays held
  EXPECT_EQ(worker.done, 3);
  worker.thread.Resume();
  worker.thread.WaitFor();
  EXPECT_EQ(worker.done, 10);
}

TEST(WorkerThreadThreads, SuspendHoldsTheWorkerAtItsNextCheckpoint) {
  CountingWorker worker;
  worker.thread.Resume();
  while (worker.done < 100) std::this_thread::yield();
  worker.thread.Suspend();
  worker.thread.Step();  // returns once the worker waits at the gate
  const int held = worker.done;
  std::this_thread::sleep_for(20ms);
  EXPECT_EQ(worker.done, held);
  worker.thread.Resume();
  while (worker.done < held + 100) std::this_thread::yield();
  worker.thread.Terminate();
  worker.thread.WaitFor();
}

TEST(WorkerThreadThreads, TerminateReleasesAPause) {
  CountingWorker worker;
  worker.thread.Step();
  worker.thread.Terminate();
  worker.thread.WaitFor();  // would hang if the pause held
  EXPECT_EQ(worker.done, 1);
  EXPECT_TRUE(worker.thread.Ended());
}

TEST(WorkerThreadThreads, APausedWorkerCannotFinish) {
  std::atomic<bool> bodyDone{false};
  WorkerThread worker([&] { bodyDone = true; });
  worker.Step();  // stops at the last checkpoint, after the body
  EXPECT_TRUE(bodyDone);
  EXPECT_FALSE(worker.Terminated());
  EXPECT_FALSE(worker.WaitTerminated(20ms));
  worker.Resume();
  EXPECT_TRUE(worker.WaitTerminated(10s));
}

TEST(WorkerThreadThreads, DestructorStopsAndWaitsForARunningWorker) {
  {
    CountingWorker worker;
    worker.thread.Resume();
    while (worker.done < 10) std::this_thread::yield();
  }
  SUCCEED();  // no hang, no use after the object went (sanitizers watch)
}

TEST(WorkerThreadThreads, AWaiterBlockedOnAnyEndWakesWithWhatTheWorkerWrote) {
  std::atomic<bool> release{false};
  int written = 0;  // plain on purpose: the end count must carry it to the waiter
  WorkerThread worker([&] {
    while (!release) std::this_thread::yield();
    written = 42;
  });
  worker.Resume();
  const uint64_t seen = WorkerThread::EndCount();
  WorkerThread::WaitForAnyEnd(seen, 20ms);  // nothing has ended: the wait times out
  EXPECT_FALSE(worker.Ended());
  release = true;
  while (WorkerThread::EndCount() == seen) WorkerThread::WaitForAnyEnd(seen, 10s);
  EXPECT_EQ(written, 42);
  worker.WaitFor();
}

TEST(WorkerThreadThreads, CurrentNamesTheWorkerOnItsOwnThreadOnly) {
  WorkerThread* seen = nullptr;
  WorkerThread worker([&] { seen = WorkerThread::Current(); });
  worker.Resume();
  worker.WaitFor();
  EXPECT_EQ(seen, &worker);
  EXPECT_EQ(WorkerThread::Current(), nullptr);
}

}  // namespace
