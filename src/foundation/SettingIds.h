#pragma once
// The settings, named by the string-table id of their key text.

#include <cstdint>

namespace SettingId {
constexpr int32_t FolderFiles = 18538;
constexpr int32_t FolderTemp = 18540;
constexpr int32_t FolderLexicons = 18539;
constexpr int32_t FolderSorvane = 18524;
constexpr int32_t FolderWordNet = 18541;
constexpr int32_t Maximised = 18522;
constexpr int32_t Font = 18544;
constexpr int32_t Toolbar = 18547;
constexpr int32_t Bold = 18546;
constexpr int32_t Top = 18517;
constexpr int32_t Left = 18519;
constexpr int32_t Height = 18518;
constexpr int32_t Width = 18520;
constexpr int32_t GridWindowWidth = 18573;
constexpr int32_t SortType = 8371;
constexpr int32_t SortMode = 8370;
constexpr int32_t UseAllFrom = 18511;
constexpr int32_t SuppressPermutations = 18512;
constexpr int32_t CaseSensitive = 18513;
constexpr int32_t ReuseFromLetters = 18514;
constexpr int32_t WindowsMenusAndFont = 18526;
constexpr int32_t Version = 18515;
constexpr int32_t SorvaneFont = 18576;
constexpr int32_t GridDefaultColumns = 18553;
constexpr int32_t GridDefaultRows = 18554;
constexpr int32_t GridLineColour = 18555;
constexpr int32_t GridBarColour = 18556;
constexpr int32_t GridBlankColour = 18557;
constexpr int32_t GridCurrentWordColour = 18558;
constexpr int32_t DefaultCellColour = 18559;
constexpr int32_t GridSelectedCellColour = 18560;
constexpr int32_t GridCurrentCellColour = 18570;
constexpr int32_t WindowColour = 18569;
constexpr int32_t GridLineWidth = 18561;
constexpr int32_t GridMode = 18562;
constexpr int32_t GridSymmetry = 18563;
constexpr int32_t GridIndexes = 18564;
constexpr int32_t GridTextCase = 18568;
constexpr int32_t GridFontName = 18565;
constexpr int32_t GridFontSize = 18566;
constexpr int32_t GridFontBold = 18567;
constexpr int32_t ShowGrid = 18523;
constexpr int32_t ResultsOnRight = 18579;
}  // namespace SettingId
