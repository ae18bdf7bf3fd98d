#pragma once
// A fresh folder under the system's temporary folder, removed with everything in it afterwards.

#include <string>

class TempFolder {
 public:
  TempFolder();
  ~TempFolder();
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  // The folder, ending in '/'.
  const std::string& Path() const { return path; }
  // Path() + name.
  std::string operator/(const std::string& name) const { return path + name; }
  // Writes a file below the folder and returns its path.
  std::string Write(const std::string& name, const std::string& bytes) const;

 private:
  std::string path;
};

std::string ReadWholeFile(const std::string& path);
