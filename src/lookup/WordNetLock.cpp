#include "lookup/WordNetLock.h"

std::mutex& WordNetLock() {
  // Constant-initialised, so it is ready before any static constructor or thread can ask for it.
  static std::mutex lock;
  return lock;
}
