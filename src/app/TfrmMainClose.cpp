// Closing the main window: what the user still has running or unsaved is settled first, then
// the settings are kept.

#include <QCloseEvent>

#include "app/TfrmMain.h"
#include "app/WindowPlacement.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/qt/QtHost.h"

namespace {
constexpr int32_t kErrorCaption = 8324;
}  // namespace

void TfrmMain::closeEvent(QCloseEvent* event) {
  if (closing) {
    event->accept();
    return;
  }
  event->ignore();
  SaveSettingsAtClose();
  closing = true;
  event->accept();
}

void TfrmMain::SaveSettingsAtClose() {
  StoreWindowPlacement(this);
  Settings& settings = Settings::Instance();
  const SearchOptions options = fields->Options();
  settings.SetBool(SettingId::UseAllFrom, options.useAllFrom);
  settings.SetBool(SettingId::SuppressPermutations, options.suppressPermutations);
  settings.SetBool(SettingId::CaseSensitive, options.caseSensitive);
  settings.SetBool(SettingId::ReuseFromLetters, options.reuseFromLetters);
  // The window closes all the same: nothing else is lost, and the user is told.
  try {
    settings.Save();
  } catch (const std::exception& failure) {
    MessageBoxWrapper(BoxOwner(this), failure.what(), LoadResString(kErrorCaption), MB_OK | MB_ICONERROR);
  }
}
