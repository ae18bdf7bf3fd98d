#pragma once
// Several copies of the program may share one Temp folder, and each sweeps the working files it
// finds there when it closes. An owner holds a shared lock on each of its working files while it
// uses them, and the sweep deletes only files on which it can take an exclusive lock at once:
// never another copy's live files. The lock belongs to the file, not its name: a file moved to
// another name in the same folder stays locked.

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

// Deletes the file unless an owner holds it.
void DeleteIfUnheld(const std::string& path);
// Deletes the files of the folder that match one of the wildcards and that no owner holds.
void DeleteUnheldFiles(const std::string& folder, std::initializer_list<const char*> wildcards);
