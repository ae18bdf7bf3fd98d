#pragma once
// The program-wide store of user preferences, keyed by string-table texts and kept in the
// per-user settings store between runs. Ids of the settings are in SettingIds.h.
//
// Built and changed on the main thread only (the first Instance() call comes before any worker
// starts); worker threads only read it, so it takes no lock.

#include <cstdint>
#include <set>
#include <string>

#include "foundation/SettingsItem.h"

class Settings {
 public:
  // The one store, built on first use from AppPaths::Current(): every default, overlaid with the
  // stored values when they were stored by a program in this same folder; then the Temp,
  // Lexicons and Files folders are made.
  static Settings& Instance();
  // Builds the store afresh from AppPaths::Current() (tests, after changing the paths).
  static Settings& Rebuild();

  // A key that is not a setting is reported and reads as "" or 0; setting it stores nothing.
  std::string GetString(const std::string& key);
  std::string GetString(int32_t id);
  int32_t GetInt(int32_t id);
  bool GetBool(int32_t id);
  // In memory only until Save; the item takes the type of the call.
  void SetString(int32_t id, const std::string& value);
  void SetInt(int32_t id, int32_t value);
  void SetBool(int32_t id, bool value);

  // Writes the persisted items to the per-user store (throws SorvaneException when that fails)
  // and the program folder to the machine-wide one (silently skipped when that cannot be
  // written).
  void Save();
  void ReportMissingKey(const std::string& key);

 private:
  Settings();
  void Load();
  const SettingsItem* Find(const std::string& key);
  const SettingsItem* Find(int32_t id);

  std::set<SettingsItem, SettingsItemCompare> items;
};
