#pragma once
// One writer at a time for a user's file. Adding, removing, merging into and building over a
// lexicon each read it (or replace it) whole and install the result, and a results save moves
// two files in one after the other, so two writers at once, in two copies of the program or in
// the program and a tool, would install one over the other and lose a word, or leave a pair made
// of two saves. Each holds an exclusive lock on a hidden file beside the file it writes (the one
// a link names, so that two links to one file take turns) from its first read to its install.

#include <functional>
#include <string>

class FileWriteLock {
 public:
  // Waits until no other writer holds the file at path. A wait of more than a moment shows the
  // "Please Wait..." dialog, which says what it waits for; its Cancel gives up and tells the
  // user the file was not saved. A stop signal gives up without a word.
  explicit FileWriteLock(const std::string& path);
  // For a writer that runs as a job under a dialog of its own: waits without another, serving
  // the GUI when on its thread, until giveUp() holds or the host is asked to stop.
  FileWriteLock(const std::string& path, const std::function<bool()>& giveUp);
  ~FileWriteLock();
  FileWriteLock(const FileWriteLock&) = delete;
  FileWriteLock& operator=(const FileWriteLock&) = delete;

  // Whether the writer may go on: the lock is held, or no lock can be had beside the file (a
  // folder that cannot be written, where no file can be installed either, or a file system
  // without locks). False after giving up.
  bool Granted() const { return held || unguarded; }

 private:
  bool TryTake();
  void Release();

  std::string lockPath;
  int descriptor = -1;
  bool held = false;
  bool unguarded = false;
};
