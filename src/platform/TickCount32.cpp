#include "platform/TickCount32.h"

#include <chrono>

uint32_t TickCount32() {
  using namespace std::chrono;
  return static_cast<uint32_t>(
      duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}
