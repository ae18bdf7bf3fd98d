#include "search/engine/SearchGate.h"

void SearchGate::Stop() {
  {
    std::lock_guard lock(mutex);
    stop.store(true, std::memory_order_relaxed);
    paused = false;
    attention.store(true, std::memory_order_release);
  }
  changed.notify_all();
}

void SearchGate::Pause(bool pause) {
  {
    std::lock_guard lock(mutex);
    if (Stopped()) return;
    paused = pause;
    attention.store(pause, std::memory_order_release);
  }
  changed.notify_all();
}

bool SearchGate::Paused() const {
  std::lock_guard lock(mutex);
  return paused;
}

bool SearchGate::Holding() const {
  std::lock_guard lock(mutex);
  return holding;
}

bool SearchGate::Hold() {
  std::unique_lock lock(mutex);
  holding = paused;
  changed.wait(lock, [this] { return !paused; });
  holding = false;
  return Stopped();
}
