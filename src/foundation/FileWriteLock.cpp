#include "foundation/FileWriteLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <memory>
#include <thread>
#include <utility>

#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "foundation/SaveTarget.h"
#include "platform/Host.h"

namespace {

constexpr std::chrono::milliseconds kRetryInterval{50};

std::string LockPathFor(const std::string& path) {
  const std::string written = ResolveSaveTarget(path);
  return ExtractFilePath(written) + "." + ExtractFileName(written) + ".lock";
}

// The wait for another writer as a job, so that it runs under the progress dialog, whose Cancel
// the user can reach, instead of on a GUI thread that takes no input.
class LockWait : public ProgressThread {
 public:
  explicit LockWait(std::function<bool()> take) : take(std::move(take)) {}

 protected:
  void Execute() override {
    while (!take()) {
      if (ShouldStop() || Host::Current().StopRequested()) return;
      std::this_thread::sleep_for(kRetryInterval);
    }
  }

 private:
  std::function<bool()> take;
};

}  // namespace

FileWriteLock::FileWriteLock(const std::string& path) : lockPath(LockPathFor(path)) {
  if (TryTake()) return;
  // The job tries on its worker while this thread waits for it to end.
  ProgressDialog dialog(nullptr, std::make_unique<LockWait>([this] { return TryTake(); }));
  dialog.SetMessage(LoadResString(kWaitingForWriterText) + ExtractFileName(path));
  dialog.Start();
  if (!dialog.WasCancelled()) return;
  // A cancel confirmed just as the lock came free still writes nothing.
  Release();
  unguarded = false;
  if (!Host::Current().StopRequested()) {
    ShowMessageBox(LoadResString(kFileNotSavedText) + path, LoadResString(kInformationCaption),
                   MB_OK | MB_ICONINFORMATION);
  }
}

FileWriteLock::FileWriteLock(const std::string& path, const std::function<bool()>& giveUp)
    : lockPath(LockPathFor(path)) {
  Host& host = Host::Current();
  host.WaitPumping([&] { return TryTake() || giveUp() || host.StopRequested(); });
}

FileWriteLock::~FileWriteLock() { Release(); }

void FileWriteLock::Release() {
  // Removed while still held: a writer waiting on this file finds it gone and makes a new one.
  if (held) ::unlink(lockPath.c_str());
  held = false;
  if (descriptor >= 0) ::close(descriptor);
  descriptor = -1;
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
