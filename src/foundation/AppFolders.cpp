#include "foundation/AppFolders.h"

#include <string>
#include <vector>

#include "foundation/FileCopy.h"
#include "foundation/FileOps.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "platform/AppPaths.h"
#include "platform/FileSys.h"

namespace {

void WarnNoWriteAccess(Settings& settings) {
  ShowMessageBox(LoadResString(kNoWriteAccessText) + "\n" +
                     settings.GetString(SettingId::FolderLexicons) + "\n" +
                     settings.GetString(SettingId::FolderTemp),
                 LoadResString(kWarningCaption), MB_OK);
}

// One lexicon that cannot be copied must not stop the others, nor the program: it is reported
// and left out (the copy leaves no partial file behind).
void CopyMissingLexicons(const std::string& from, const std::string& to,
                         const std::vector<std::string>& names) {
  for (const std::string& name : names) {
    const std::string destination = to + "/" + name;
    if (FileSys::Current().Exists(destination)) continue;
    try {
      CopyFileContents(from + "/" + name, destination);
    } catch (const SorvaneException& error) {
      ShowMessageBox(error.what(), LoadResString(kErrorCaption), MB_OK);
    }
  }
}
}  // namespace

void SetUpAppFolders() {
  Settings& settings = Settings::Instance();
  FileSys& fileSys = FileSys::Current();
  const std::string installed = settings.GetString(SettingId::FolderLexicons);
  const std::vector<std::string> lexicons = fileSys.ListMatching(installed, "*.lex");
  if (lexicons.empty()) return;
  // Only tested, never changed: loosening or tightening an installed file's permissions would
  // affect every other user of it.
  if (fileSys.CanWrite(installed + "/" + lexicons.front(), installed)) return;

  const std::string& appData = AppPaths::Current().appDataFolder;
  if (appData.empty()) {
    WarnNoWriteAccess(settings);
    return;
  }
  CreateDirectoryChecked(appData + LoadResString(kSorvaneSubfolderText));
  const std::string perUserLexicons = appData + LoadResString(kLexiconsSubfolderText);
  if (!CreateDirectoryChecked(perUserLexicons)) return;
  settings.SetString(SettingId::FolderLexicons, perUserLexicons);
  const std::string perUserTemp = appData + LoadResString(kTempSubfolderText);
  if (CreateDirectoryChecked(perUserTemp)) settings.SetString(SettingId::FolderTemp, perUserTemp);

  CopyMissingLexicons(installed, perUserLexicons, lexicons);
}
