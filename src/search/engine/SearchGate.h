#pragma once
// The one stop token of a search, and its pause. A stop is for good and also ends a pause; a
// pause is a state (asking twice holds the search once), taken at the engine's checkpoints
// between words, never inside the dictionary's lock. Nothing asked costs one load a checkpoint.

#include <atomic>
#include <condition_variable>
#include <mutex>

class SearchGate {
 public:
  // Asks every level and cursor of the search to stop. Callable from any thread, before the
  // search has begun as well.
  void Stop();
  // Holds the search at its next checkpoint, or lets it go on.
  void Pause(bool pause);
  bool Paused() const;
  bool Stopped() const { return stop_.load(std::memory_order_relaxed); }
  // Called by the search between words: waits while paused; true once a stop is asked.
  bool Checkpoint() {
    if (!attention_.load(std::memory_order_acquire)) return false;
    return Hold();
  }
  // What the search's cursors read.
  const std::atomic<bool>* StopFlag() const { return &stop_; }

 private:
  bool Hold();

  std::atomic<bool> stop_{false};
  std::atomic<bool> attention_{false};  // a stop or a pause is asked
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool paused_ = false;  // guarded by mutex_
};
