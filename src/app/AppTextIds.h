#pragma once
// The app texts by name (res/strings/app.inc); the window's own.

#include <cstdint>

inline constexpr int32_t kFoundText = 8600;
inline constexpr int32_t kSearchesRunningText = 8601;
inline constexpr int32_t kGridChangedText = 8602;
inline constexpr int32_t kOpenedFileNotAGridText = 8603;
inline constexpr int32_t kWrongGridText = 8604;
inline constexpr int32_t kGridTooLargeText = 8605;
inline constexpr int32_t kReplaceFileText = 8606;  // %s: the file's name
