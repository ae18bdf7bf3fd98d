#include "foundation/SettingsDefaults.h"

#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"

std::vector<SettingsItem> DefaultSettings(const AppPaths& paths) {
  using namespace SettingId;
  const auto key = [](int32_t id) { return LoadResString(id); };
  const std::string& program = paths.programFolder;
  const std::string files = paths.documentsFolder.empty()
                                ? program + LoadResString(kFilesFolderText)
                                : paths.documentsFolder + LoadResString(kSorvaneSubfolderText);
  return {
      {key(FolderFiles), files, true},
      {key(FolderTemp), program + LoadResString(kTempFolderText), true},
      {key(FolderLexicons), program + LoadResString(kLexiconsFolderText), true},
      {key(FolderSorvane), program, true},
      {key(FolderWordNet), program + LoadResString(kWordNetFolderText), true},
      {key(Maximised), false, true},
      {key(Font), 8, true},
      {key(Toolbar), 8, true},
      {key(Bold), false, true},
      {key(Top), 100, true},
      {key(Left), 200, true},
      {key(Height), 480, true},
      {key(Width), 680, true},
      {key(GridWindowWidth), 330, true},
      {key(SortType), 2, true},
      {key(SortMode), 0, true},
      {key(UseAllFrom), true, true},
      {key(SuppressPermutations), true, true},
      {key(CaseSensitive), false, true},
      {key(ReuseFromLetters), false, true},
      {key(WindowsMenusAndFont), false, true},
      {key(Version), "6.01", false},
      {key(SorvaneFont), LoadResString(kDefaultFontText), true},
      {key(GridDefaultColumns), 11, true},
      {key(GridDefaultRows), 11, true},
      // Colours are 0x00BBGGRR.
      {key(GridLineColour), 0x808080, true},
      {key(GridBarColour), 0, true},
      {key(GridBlankColour), 0, true},
      {key(GridCurrentWordColour), 0x00FFFF, true},
      {key(DefaultCellColour), 0xFFFFFF, true},
      {key(GridSelectedCellColour), 0xF0CAA6, true},
      {key(GridCurrentCellColour), 0x0000FF, true},
      {key(WindowColour), 0xFFFFFF, true},
      {key(GridLineWidth), 2, true},
      {key(GridMode), 1, true},
      {key(GridSymmetry), 0, true},
      {key(GridIndexes), true, true},
      {key(GridTextCase), 1, true},
      {key(GridFontName), "Times New Roman", true},
      {key(GridFontSize), 14, true},
      {key(GridFontBold), true, true},
      {key(ShowGrid), true, true},
      {key(ResultsOnRight), true, true},
  };
}

const std::vector<SettingRange>& SettingRanges() {
  using namespace SettingId;
  constexpr int32_t kMaxColour = 0xFFFFFF;  // white: colours are 0x00BBGGRR
  constexpr int32_t kMaxGridSize = 999;     // as the new-grid dialog allows
  static const std::vector<SettingRange> ranges = {
      {Font, 8, 12},  // the sizes the settings dialog offers
      {SortType, 0, 2},
      {SortMode, 0, 1},
      {GridDefaultColumns, 1, kMaxGridSize},
      {GridDefaultRows, 1, kMaxGridSize},
      {GridLineColour, 0, kMaxColour},
      {GridBarColour, 0, kMaxColour},
      {GridBlankColour, 0, kMaxColour},
      {GridCurrentWordColour, 0, kMaxColour},
      {DefaultCellColour, 0, kMaxColour},
      {GridSelectedCellColour, 0, kMaxColour},
      {GridCurrentCellColour, 0, kMaxColour},
      {WindowColour, 0, kMaxColour},
      {GridLineWidth, 0, 16},
      {GridMode, 0, 2},
      {GridSymmetry, 0, 9},
      {GridTextCase, 0, 2},
      {GridFontSize, 1, 96},
  };
  return ranges;
}
