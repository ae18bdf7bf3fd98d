#include "foundation/TempFileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include "platform/FileSys.h"

void TempFileLock::Hold(const std::string& path) {
  Release();
  descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor >= 0) ::flock(descriptor, LOCK_SH);
}

void TempFileLock::Release() {
  if (descriptor < 0) return;
  ::close(descriptor);  // lets go of the lock
  descriptor = -1;
}

void DeleteIfUnheld(const std::string& path) {
  const int descriptor = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (descriptor < 0) return;
  // Held while deleting, so no owner can take the name's file in between.
  if (::flock(descriptor, LOCK_EX | LOCK_NB) == 0) FileSys::Current().Remove(path);
  ::close(descriptor);
}

void DeleteUnheldFiles(const std::string& folder, std::initializer_list<const char*> wildcards) {
  std::string prefix = folder;
  if (!prefix.empty() && prefix.back() != '/') prefix += '/';
  FileSys& fs = FileSys::Current();
  for (const char* wildcard : wildcards) {
    for (const std::string& name : fs.ListMatching(prefix, wildcard)) DeleteIfUnheld(prefix + name);
  }
}
