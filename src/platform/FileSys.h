#pragma once
// The file-system calls whose failures tests must be able to reach even as root. The program
// uses the real one; a test installs a subclass that fails where it wants.

#include <string>
#include <vector>

class FileSys {
 public:
  virtual ~FileSys() = default;

  virtual bool Exists(const std::string& path);
  virtual bool IsDirectory(const std::string& path);
  // 0 when deleted, -1 otherwise. A regular file whose owner-write bit is clear counts as
  // read-only and is not deleted.
  virtual int Remove(const std::string& path);
  // 0 on success, else the errno of the failure (EXDEV when the two lie on different file
  // systems). Replaces the destination atomically.
  virtual int Rename(const std::string& from, const std::string& to);
  // Gives the file from a second name, to (a hard link). 0 on success, else the errno of the
  // failure (EPERM where the file system has no hard links).
  virtual int Link(const std::string& from, const std::string& to);
  // Swaps the names of two existing files in one step: neither name is free at any moment. 0 on
  // success, else the errno of the failure (EINVAL where the file system cannot).
  virtual int Exchange(const std::string& a, const std::string& b);
  // Creates one folder level; true on success.
  virtual bool MakeDirectory(const std::string& path);
  // Whether the program may change the file and the folder it is in.
  virtual bool CanWrite(const std::string& file, const std::string& folder);
  // Names (not paths) of the ordinary, non-hidden files in folder matching the wildcard
  // (case-blind), sorted by name.
  virtual std::vector<std::string> ListMatching(const std::string& folder,
                                                const std::string& wildcard);

  static FileSys& Current();
  static void Install(FileSys* fileSys);  // null restores the real one
};
