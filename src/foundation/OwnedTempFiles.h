#pragma once
// The working files one job has claimed in the Temp folder. Whatever is still owned is deleted
// when the set goes. A file renamed away must be given up at once: its old name is free again,
// and another copy of the program may claim it before this job ends.

#include <string>
#include <vector>

class OwnedTempFiles {
 public:
  OwnedTempFiles() = default;
  ~OwnedTempFiles() { DeleteAll(); }
  OwnedTempFiles(const OwnedTempFiles&) = delete;
  OwnedTempFiles& operator=(const OwnedTempFiles&) = delete;

  // A new file in the Temp folder (see ClaimTempFilePath), owned from now on.
  std::string Claim(const std::string& extension);
  // A file claimed elsewhere that this job now owns.
  void Adopt(const std::string& path) { owned.push_back(path); }
  // The file at path is no longer this job's to delete (moved away or handed on).
  void GiveUp(const std::string& path);
  // Deletes an owned file now, once the job is done with it; a file not owned is left alone.
  void DeleteNow(const std::string& path);
  void DeleteAll();

 private:
  std::vector<std::string> owned;
};
