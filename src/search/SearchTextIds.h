#pragma once
// The search texts by name (res/strings/search.inc); crossword, lexbuild, the forms and the
// window may use them.

#include <cstdint>

inline constexpr int32_t kInvalidLexiconsText = 17000;
inline constexpr int32_t kNoLexiconsText = 17001;
inline constexpr int32_t kLexiconListWarningCaption = 17002;
inline constexpr int32_t kUnableToOpenLexiconText = 17003;
inline constexpr int32_t kLexiconNotFoundText = 17005;
inline constexpr int32_t kNotALexiconText = 17030;
inline constexpr int32_t kDamagedLexiconText = 17031;
inline constexpr int32_t kUnableToOpenFileText = 8333;
inline constexpr int32_t kSortingResultsText = 8364;
inline constexpr int32_t kResultsFullText = 8366;
inline constexpr int32_t kNoResultsToSaveText = 8377;
inline constexpr int32_t kSaveStoppedText = 8378;
inline constexpr int32_t kCopyTooLargeText = 8367;
inline constexpr int32_t kCopyResultsCaption = 8368;
inline constexpr int32_t kInvalidPatternCaption = 8335;
inline constexpr int32_t kInputErrorCaption = 8337;
inline constexpr int32_t kMissingQuoteText = 8365;
inline constexpr int32_t kAcrossText = 17500;
inline constexpr int32_t kDownText = 17501;
inline constexpr int32_t kNoSharedUnknownLetterText = 17502;
inline constexpr int32_t kAreYouSureText = 8328;
inline constexpr int32_t kTerminateSearchText = 8331;
inline constexpr int32_t kSavingResultsText = 8362;
inline constexpr int32_t kExportFieldsText = 8500;
inline constexpr int32_t kExportStarsText = 8501;
inline constexpr int32_t kExportTitleText = 8502;
inline constexpr int32_t kExportUseAllFromText = 8503;
inline constexpr int32_t kExportSuppressText = 8504;
inline constexpr int32_t kExportMatchesText = 8505;
inline constexpr int32_t kLexiconNameSample = 8700;
inline constexpr int32_t kLexiconWordsSample = 8701;
inline constexpr int32_t kLexiconDateSample = 8702;
inline constexpr int32_t kLexiconDateFormat = 8703;
inline constexpr int32_t kDeleteLexiconsWarningText = 8704;
inline constexpr int32_t kNoLexiconSelectedText = 8705;
inline constexpr int32_t kStartSearchText = 8950;
inline constexpr int32_t kStopSearchText = 8951;
