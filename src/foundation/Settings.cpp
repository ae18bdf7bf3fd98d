#include "foundation/Settings.h"

#include <algorithm>
#include <memory>
#include <optional>

#include "foundation/FileOps.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/SettingsDefaults.h"
#include "foundation/SorvaneException.h"
#include "platform/AppPaths.h"
#include "platform/RegistryStore.h"

namespace {

std::unique_ptr<Settings>& TheSettings() {
  static std::unique_ptr<Settings> settings;
  return settings;
}

// The folder of the program that last stored the settings: the stored "Folder-Sorvane" up to
// its last separator; empty when there is none or the store cannot be read.
std::string StoredProgramFolder() {
  try {
    RegistryStore store;
    store.OpenKey(RegistryHive::User, LoadResString(kSettingsStoreKeyText), true);
    const std::string stored =
        store.FindString(LoadResString(SettingId::FolderSorvane)).value_or(std::string());
    const size_t lastSlash = stored.rfind('/');
    return lastSlash == std::string::npos ? std::string() : stored.substr(0, lastSlash + 1);
  } catch (const RegistryError&) {
    return {};
  }
}

// The machine-wide store only tells installers where the program lives. Without the rights to
// write it the program works just the same, so a failure is not reported.
void SaveProgramFolderMachineWide() {
  try {
    RegistryStore store;
    if (!store.OpenKey(RegistryHive::Machine, LoadResString(kSettingsStoreKeyText), true)) return;
    store.WriteString(LoadResString(SettingId::FolderSorvane), AppPaths::Current().programFolder);
    store.CloseKey();
  } catch (const RegistryError&) {
  }
}
}  // namespace

Settings& Settings::Instance() {
  std::unique_ptr<Settings>& settings = TheSettings();
  if (!settings) settings.reset(new Settings());
  return *settings;
}

Settings& Settings::Rebuild() {
  TheSettings().reset(new Settings());
  return *TheSettings();
}

Settings::Settings() {
  const AppPaths& paths = AppPaths::Current();
  for (SettingsItem& item : DefaultSettings(paths)) items.insert(std::move(item));
  // Settings stored by a copy of the program in another folder would point it at that copy's
  // folders, so they count only when stored by a program in this very folder.
  if (StoredProgramFolder() == paths.programFolder) Load();
  for (const int32_t folder :
       {SettingId::FolderTemp, SettingId::FolderLexicons, SettingId::FolderFiles}) {
    CreateDirectoryChecked(GetString(folder));
  }
}

void Settings::Load() {
  RegistryStore store;
  try {
    store.OpenKey(RegistryHive::User, LoadResString(kSettingsStoreKeyText), true);
  } catch (const RegistryError&) {
    return;
  }
  // Each value on its own: one that is missing or of the wrong kind keeps that default only.
  for (const SettingsItem& item : items) {
    if (!item.persist) continue;
    if (item.type == 1) {
      std::optional<std::string> value = store.FindString(item.key);
      if (value && !value->empty()) item.stringValue = std::move(*value);
    } else if (std::optional<int32_t> value = store.FindInteger(item.key)) {
      item.intValue = *value;
    }
  }
  // A store edited by hand, or damaged, must not size a grid or a font beyond reason.
  for (const SettingRange& range : SettingRanges()) {
    const auto found = items.find(LoadResString(range.id));
    if (found != items.end() && found->type == 0)
      found->intValue = std::clamp(found->intValue, range.low, range.high);
  }
}

void Settings::Save() {
  try {
    RegistryStore store;
    store.OpenKey(RegistryHive::User, LoadResString(kSettingsStoreKeyText), true);
    for (const SettingsItem& item : items) {
      if (!item.persist) continue;
      if (item.type == 1) {
        store.WriteString(item.key, item.stringValue);
      } else {
        store.WriteInteger(item.key, item.intValue);
      }
    }
    store.CloseKey();
  } catch (const RegistryError& error) {
    throw SorvaneException(error.what());
  }
  SaveProgramFolderMachineWide();
}

void Settings::ReportMissingKey(const std::string& key) {
  ShowMessageBox(key + LoadResString(kSettingsKeyMissingText), LoadResString(kErrorCaption), MB_OK);
}

const SettingsItem* Settings::Find(const std::string& key) {
  const auto found = items.find(key);
  if (found != items.end()) return &*found;
  ReportMissingKey(key);
  return nullptr;
}

const SettingsItem* Settings::Find(int32_t id) { return Find(LoadResString(id)); }

std::string Settings::GetString(const std::string& key) {
  const SettingsItem* item = Find(key);
  return item ? item->stringValue : std::string();
}

std::string Settings::GetString(int32_t id) { return GetString(LoadResString(id)); }

int32_t Settings::GetInt(int32_t id) {
  const SettingsItem* item = Find(id);
  return item ? item->intValue : 0;
}

bool Settings::GetBool(int32_t id) { return GetInt(id) != 0; }

void Settings::SetString(int32_t id, const std::string& value) {
  if (const SettingsItem* item = Find(id)) {
    item->stringValue = value;
    item->type = 1;
  }
}

void Settings::SetInt(int32_t id, int32_t value) {
  if (const SettingsItem* item = Find(id)) {
    item->intValue = value;
    item->type = 0;
  }
}

void Settings::SetBool(int32_t id, bool value) { SetInt(id, value ? 1 : 0); }
