#pragma once
// Several copies of the program may share one Temp folder, and each sweeps the results working
// files ("$$*.rls", "$$*.idx") it finds there when it closes. A store holds a shared lock on
// each of its working files while it uses them, and the sweep deletes only files on which it
// can take an exclusive lock at once: never another copy's live results.

#include <string>

class TempFileLock {
 public:
  TempFileLock() = default;
  ~TempFileLock() { Release(); }
  TempFileLock(const TempFileLock&) = delete;
  TempFileLock& operator=(const TempFileLock&) = delete;

  // Takes a shared lock on the file (letting go of any held before). Best effort: a file
  // system without locks leaves the file unguarded.
  void Hold(const std::string& path);
  void Release();

 private:
  int descriptor = -1;
};

// Deletes the results working files of the folder that no store holds.
void DeleteUnusedTempResults(const std::string& folder);
