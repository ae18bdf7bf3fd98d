#pragma once
// The one program-wide lock around every call into the WordNet library: the library keeps its
// flags, result counts and output buffer in process-wide state and is not safe for two threads.

#include <mutex>

// Made on first use and never destroyed, so it exists before any user can take it.
std::mutex& WordNetLock();
