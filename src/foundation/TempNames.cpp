// Unique names for temporary files: "$$" and a tick count in base 36.

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>

#include "foundation/TempNames.h"
#include "foundation/TextUtils.h"
#include "platform/TickCount32.h"

namespace {
// The tick used by the last name handed out.
std::atomic<uint32_t> lastTick{0};
}  // namespace

std::string MakeUniqueName() {
  // Each caller claims a value above the last one, so two threads asking within one tick (or
  // after the counter wraps) still get different names; the value never lags the clock.
  uint32_t last = lastTick.load(std::memory_order_relaxed);
  uint32_t next;
  do {
    next = std::max(TickCount32(), last + 1);
  } while (!lastTick.compare_exchange_weak(last, next, std::memory_order_relaxed));
  return "$$" + IntToStrRadix(static_cast<int32_t>(next), 36);
}

std::string ClaimUniquePath(const std::string& folder, const std::string& extension) {
  for (;;) {
    const std::string path = folder + MakeUniqueName() + extension;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) {
      ::close(fd);
      return path;
    }
    if (errno != EEXIST) return path;
  }
}
