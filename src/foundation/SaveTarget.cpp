#include "foundation/SaveTarget.h"

#include <sys/stat.h>

#include <filesystem>

#include "platform/FileSys.h"

bool IsWritableTarget(const std::string& path) {
  struct stat info;
  if (::stat(path.c_str(), &info) != 0) return !FileSys::Current().Exists(path);
  return S_ISREG(info.st_mode);
}

std::string ResolveSaveTarget(const std::string& path) {
  std::error_code error;
  if (!std::filesystem::is_symlink(path, error)) return path;
  const std::filesystem::path named = std::filesystem::canonical(path, error);
  return error ? path : named.string();
}
