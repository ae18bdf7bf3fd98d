#pragma once
// One setting: its key, its value (a string, or an integer that also holds booleans) and whether
// it is kept between runs. The defaults and the store are both lists of them.

#include <cstdint>
#include <string>

struct SettingsItem {
  SettingsItem(std::string key, std::string value, bool persist);
  SettingsItem(std::string key, const char* value, bool persist);
  SettingsItem(std::string key, int32_t value, bool persist);
  SettingsItem(std::string key, bool value, bool persist);
  SettingsItem(const SettingsItem&) = default;

  std::string key;
  mutable std::string stringValue;
  mutable int32_t intValue = 0;
  mutable uint8_t type = 0;  // 1 string, 0 integer or boolean
  uint8_t persist = 0;       // 1 loaded from and saved to the store
};

struct SettingsItemCompare {
  using is_transparent = void;
  bool operator()(const SettingsItem& a, const SettingsItem& b) const { return a.key < b.key; }
  bool operator()(const SettingsItem& a, const std::string& b) const { return a.key < b; }
  bool operator()(const std::string& a, const SettingsItem& b) const { return a < b.key; }
};
