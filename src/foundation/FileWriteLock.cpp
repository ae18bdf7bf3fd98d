#include "foundation/FileWriteLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "foundation/PathText.h"
#include "foundation/SaveTarget.h"
#include "platform/Host.h"

namespace {

std::string LockPathFor(const std::string& path) {
  const std::string written = ResolveSaveTarget(path);
  return ExtractFilePath(written) + "." + ExtractFileName(written) + ".lock";
}

}  // namespace

FileWriteLock::FileWriteLock(const std::string& path, const std::function<bool()>& giveUp)
    : lockPath(LockPathFor(path)) {
  Host& host = Host::Current();
  host.WaitPumping([&] { return TryTake() || giveUp() || host.StopRequested(); });
}

FileWriteLock::~FileWriteLock() {
  // Removed while still held: a writer waiting on this file finds it gone and makes a new one.
  if (held) ::unlink(lockPath.c_str());
  if (descriptor >= 0) ::close(descriptor);
}

bool FileWriteLock::TryTake() {
  if (descriptor < 0) descriptor = ::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (descriptor < 0) return unguarded = true;
  if (::flock(descriptor, LOCK_EX | LOCK_NB) != 0) {
    if (errno == EWOULDBLOCK) return false;
    return unguarded = true;
  }
  // The writer before may have removed the file between our open and our lock.
  struct stat locked, named;
  if (::fstat(descriptor, &locked) == 0 && ::stat(lockPath.c_str(), &named) == 0 &&
      locked.st_dev == named.st_dev && locked.st_ino == named.st_ino) {
    return held = true;
  }
  ::close(descriptor);
  descriptor = -1;
  return false;
}
