#pragma once
// How long the running process has lived, loading of its libraries included: start-up figures
// compare whole processes, so they count from the kernel's start of the process, not from main.

#include <cstdint>

// Milliseconds since the process started (to the kernel's clock-tick resolution); -1 when
// the start time cannot be read.
int64_t MillisecondsSinceProcessStart();
