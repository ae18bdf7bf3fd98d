#include "platform/FileSys.h"

#include <fcntl.h>
#include <fnmatch.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace {
std::atomic<FileSys*> installed{nullptr};
}

FileSys& FileSys::Current() {
  if (FileSys* fs = installed.load(std::memory_order_acquire)) return *fs;
  static FileSys real;
  return real;
}

void FileSys::Install(FileSys* fileSys) { installed.store(fileSys, std::memory_order_release); }

bool FileSys::Exists(const std::string& path) {
  struct stat info;
  return ::lstat(path.c_str(), &info) == 0;
}

bool FileSys::IsDirectory(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

int FileSys::Remove(const std::string& path) {
  struct stat info;
  if (::lstat(path.c_str(), &info) != 0) return -1;
  if (S_ISREG(info.st_mode) && !(info.st_mode & S_IWUSR)) return -1;
  return ::unlink(path.c_str()) == 0 ? 0 : -1;
}

int FileSys::Rename(const std::string& from, const std::string& to) {
  return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : (errno ? errno : EIO);
}

int FileSys::Link(const std::string& from, const std::string& to) {
  return ::link(from.c_str(), to.c_str()) == 0 ? 0 : (errno ? errno : EIO);
}

int FileSys::Exchange(const std::string& a, const std::string& b) {
  return ::renameat2(AT_FDCWD, a.c_str(), AT_FDCWD, b.c_str(), RENAME_EXCHANGE) == 0
             ? 0
             : (errno ? errno : EIO);
}

bool FileSys::MakeDirectory(const std::string& path) {
  return ::mkdir(path.c_str(), 0777) == 0;
}

bool FileSys::CanWrite(const std::string& file, const std::string& folder) {
  return ::access(file.c_str(), W_OK) == 0 && ::access(folder.c_str(), W_OK) == 0;
}

std::vector<std::string> FileSys::ListMatching(const std::string& folder,
                                               const std::string& wildcard) {
  namespace fs = std::filesystem;
  std::vector<std::string> names;
  std::error_code error;
  for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
       it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (name.empty() || name[0] == '.') continue;
    std::error_code typeError;
    if (!it->is_regular_file(typeError)) continue;
    if (::fnmatch(wildcard.c_str(), name.c_str(), FNM_CASEFOLD) == 0) names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}
