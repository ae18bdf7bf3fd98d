#pragma once
// The platform texts by name (res/strings/platform.inc); every layer above may use them.

#include <cstdint>

inline constexpr int32_t kConfirmCaption = 8330;
