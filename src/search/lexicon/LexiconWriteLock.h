#pragma once
// One writer at a time for a lexicon. Adding, removing, merging into and building over a lexicon
// each read it (or replace it) whole and install the result, so two at once, in two copies of the
// program or in the program and a tool, would install one over the other and lose a word. Each
// holds an exclusive lock on a hidden file beside the lexicon from its first read to its install.

#include <functional>
#include <string>

class LexiconWriteLock {
 public:
  // Waits, serving the GUI when on its thread, until no other writer holds the lexicon at path,
  // or until giveUp() holds or the host is asked to stop.
  explicit LexiconWriteLock(
      const std::string& lexiconPath, const std::function<bool()>& giveUp = [] { return false; });
  ~LexiconWriteLock();
  LexiconWriteLock(const LexiconWriteLock&) = delete;
  LexiconWriteLock& operator=(const LexiconWriteLock&) = delete;

  // Whether the writer may go on: the lock is held, or no lock can be had beside the lexicon (a
  // folder that cannot be written, where no lexicon can be installed either, or a file system
  // without locks). False after giving up.
  bool Granted() const { return held || unguarded; }

 private:
  bool TryTake();

  std::string lockPath;
  int descriptor = -1;
  bool held = false;
  bool unguarded = false;
};
