#pragma once
// The foundation texts by name (res/strings/foundation.inc); every layer above may use them.

#include <cstdint>

inline constexpr int32_t kErrorCaption = 8324;
inline constexpr int32_t kExceptionCaption = 8325;
inline constexpr int32_t kWarningCaption = 8327;
inline constexpr int32_t kInformationCaption = 8358;
inline constexpr int32_t kInsufficientInformationCaption = 8404;
inline constexpr int32_t kFileErrorCaption = 8422;
inline constexpr int32_t kUnableToDeleteFileText = 16001;
inline constexpr int32_t kFileErrorFullStopCaption = 16002;
inline constexpr int32_t kUnableToRenameFileText = 16003;
inline constexpr int32_t kFolderNameInUseText = 16021;
inline constexpr int32_t kUnableToCreateFolderText = 16026;
inline constexpr int32_t kLexiconsFolderText = 16030;
inline constexpr int32_t kTempFolderText = 16031;
inline constexpr int32_t kFilesFolderText = 16032;
inline constexpr int32_t kWordNetFolderText = 16033;
// A file name follows each.
inline constexpr int32_t kWaitingForWriterText = 16036;
inline constexpr int32_t kFileNotSavedText = 16037;
inline constexpr int32_t kUnableToWriteFileText = 16040;
inline constexpr int32_t kUnableToWriteTempFolderText = 16041;
inline constexpr int32_t kNoWriteAccessText = 17505;
inline constexpr int32_t kSettingsStoreKeyText = 18521;  // the settings' key path in the store
inline constexpr int32_t kSettingsKeyMissingText = 18552;
inline constexpr int32_t kSorvaneSubfolderText = 18572;
inline constexpr int32_t kTempSubfolderText = 18574;
inline constexpr int32_t kLexiconsSubfolderText = 18575;
inline constexpr int32_t kDefaultFontText = 18577;
