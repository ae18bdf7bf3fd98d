#pragma once
// The memory of this process as the system counts it.

#include <cstdint>

// The resident size in kilobytes (VmRSS); -1 where the system does not say.
int64_t ResidentKilobytes();
