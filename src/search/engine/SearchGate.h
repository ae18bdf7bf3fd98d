#pragma once
// The one stop token of a search, and its pause. A stop is for good and also ends a pause; a
// pause is a state (asking twice holds the search once), taken at the engine's checkpoints
// between words, never inside the dictionary's lock. Nothing asked costs one load a checkpoint.

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>

class SearchGate {
 public:
  // Asks every level and cursor of the search to stop. Callable from any thread, before the
  // search has begun as well.
  void Stop();
  // Holds the search at its next checkpoint, or lets it go on.
  void Pause(bool pause);
  bool Paused() const;
  // True while the search waits at a checkpoint because of a pause.
  bool Holding() const;
  bool Stopped() const { return stop.load(std::memory_order_relaxed); }
  // Called by the search between words: waits while paused; true once a stop is asked.
  bool Checkpoint() {
    if (!attention.load(std::memory_order_acquire)) return false;
    return Hold();
  }
  // What the search's cursors read.
  const std::atomic<bool>* StopFlag() const { return &stop; }

 private:
  bool Hold();

  std::atomic<bool> stop{false};
  std::atomic<bool> attention{false};  // a stop or a pause is asked
  mutable std::mutex mutex;
  std::condition_variable changed;
  bool paused = false;   // guarded by mutex
  bool holding = false;  // guarded by mutex
};

// How the levels of one search, and whoever may stop it, hold its gate.
using StopToken = std::shared_ptr<SearchGate>;
