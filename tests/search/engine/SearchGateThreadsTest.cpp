// The pause and stop of a search as its thread meets them at its checkpoints.

#include "search/engine/SearchGate.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <thread>

namespace {

// A search stand-in: passes checkpoints, counting them, until one says stop.
struct Walker {
  explicit Walker(SearchGate& gate)
      : thread([this, &gate] {
          while (!gate.Checkpoint()) steps.fetch_add(1);
        }) {}
  ~Walker() { thread.join(); }
  std::atomic<uint64_t> steps{0};
  std::thread thread;
};

void WaitUntil(const std::function<bool()>& done) {
  while (!done()) std::this_thread::sleep_for(std::chrono::milliseconds(1));
}

TEST(SearchGateThreads, APauseHoldsTheSearchUntilOneResumeHowEverOftenAsked) {
  SearchGate gate;
  Walker walker(gate);
  gate.Pause(true);
  gate.Pause(true);
  WaitUntil([&] { return gate.Holding(); });
  const uint64_t held = walker.steps.load();
  std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(walker.steps.load(), held);
  gate.Pause(false);
  WaitUntil([&] { return walker.steps.load() > held; });
  EXPECT_FALSE(gate.Paused());
  gate.Stop();
}

TEST(SearchGateThreads, AStopEndsAPauseAndLasts) {
  SearchGate gate;
  {
    Walker walker(gate);
    gate.Pause(true);
    WaitUntil([&] { return gate.Holding(); });
    gate.Stop();
  }  // the walker has seen the stop
  EXPECT_TRUE(gate.Stopped());
  gate.Pause(true);  // a stopped search is never held again
  EXPECT_FALSE(gate.Paused());
  EXPECT_TRUE(gate.Checkpoint());
}

}  // namespace
