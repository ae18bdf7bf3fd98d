#pragma once
// The crossword texts by name (res/strings/crossword.inc); the crossword forms and the window
// may use them.

#include <cstdint>

inline constexpr int32_t kEntryNotValidText = 7103;
inline constexpr int32_t kWrongGridCaption = 17504;
inline constexpr int32_t kRowsNotWholeText = 8430;
inline constexpr int32_t kColumnsNotWholeText = 8431;
inline constexpr int32_t kResetGridWarningText = 8432;
inline constexpr int32_t kNotAGridFileText = 8433;
// The names of the ten symmetry types follow one another from here.
inline constexpr int32_t kFirstSymmetryName = 8440;
