#pragma once
// What to tell the user of the exception being handled, whatever was thrown. Call it only
// inside a catch block.

#include <string>

std::string CurrentFailureText() noexcept;
