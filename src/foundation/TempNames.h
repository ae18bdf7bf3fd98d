#pragma once
// Unique names drawn from the clock for working files.

#include <cstdint>
#include <string>

std::string MakeUniqueName();
