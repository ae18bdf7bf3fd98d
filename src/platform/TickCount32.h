#pragma once
#include <cstdint>

// Milliseconds since an arbitrary start, wrapping at 2^32 like the system tick counter.
uint32_t TickCount32();
