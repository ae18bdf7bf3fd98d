#pragma once
// The lexbuild texts by name (res/strings/lexbuild.inc); the lexbuild forms, the lexicon tool
// and the window may use them.

#include <cstdint>

inline constexpr int32_t kNoValidWordsText = 8347;
inline constexpr int32_t kCreatingLexiconText = 8350;
inline constexpr int32_t kMergingLexiconsText = 8356;
inline constexpr int32_t kNewLexiconCaption = 8412;
inline constexpr int32_t kLexiconUpdateFailedCaption = 8421;
