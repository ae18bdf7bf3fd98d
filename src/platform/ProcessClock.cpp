#include "platform/ProcessClock.h"

#include <time.h>
#include <unistd.h>

#include <fstream>
#include <sstream>
#include <string>

namespace {
// Field 22 of /proc/self/stat: the start time in clock ticks after boot. The command name
// (field 2) may hold spaces, so counting starts after its closing parenthesis.
int64_t StartTicksAfterBoot() {
  std::ifstream stat("/proc/self/stat");
  std::string line;
  if (!std::getline(stat, line)) return -1;
  const size_t close = line.rfind(')');
  if (close == std::string::npos) return -1;
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  for (int number = 3; fields >> field; ++number) {
    if (number == 22) return std::stoll(field);
  }
  return -1;
}
}  // namespace

int64_t MillisecondsSinceProcessStart() {
  const int64_t startTicks = StartTicksAfterBoot();
  const long ticksPerSecond = sysconf(_SC_CLK_TCK);
  timespec now{};
  if (startTicks < 0 || ticksPerSecond <= 0 || clock_gettime(CLOCK_BOOTTIME, &now) != 0) return -1;
  const int64_t nowMs = int64_t(now.tv_sec) * 1000 + now.tv_nsec / 1000000;
  return nowMs - startTicks * 1000 / ticksPerSecond;
}
