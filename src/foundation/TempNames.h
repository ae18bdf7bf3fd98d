#pragma once
// Unique names drawn from the clock for working files.

#include <cstdint>
#include <string>

std::string MakeUniqueName();
// folder (ending in '/') + MakeUniqueName() + extension, with its file created empty. Names
// come from the clock, and another copy of the program drawing one in the same millisecond draws
// the same: the name is drawn again until creating its file finds it free, so two programs never
// share a working file. Any other failure to create it is left to the caller's own open, which
// reports it.
std::string ClaimUniquePath(const std::string& folder, const std::string& extension);
