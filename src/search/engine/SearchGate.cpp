#include "search/engine/SearchGate.h"

void SearchGate::Stop() {
  {
    std::lock_guard lock(mutex_);
    stop_.store(true, std::memory_order_relaxed);
    paused_ = false;
    attention_.store(true, std::memory_order_release);
  }
  changed_.notify_all();
}

void SearchGate::Pause(bool pause) {
  {
    std::lock_guard lock(mutex_);
    if (Stopped()) return;
    paused_ = pause;
    attention_.store(pause, std::memory_order_release);
  }
  changed_.notify_all();
}

bool SearchGate::Paused() const {
  std::lock_guard lock(mutex_);
  return paused_;
}

bool SearchGate::Hold() {
  std::unique_lock lock(mutex_);
  changed_.wait(lock, [this] { return !paused_; });
  return Stopped();
}
