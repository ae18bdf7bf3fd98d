#include "foundation/SettingsItem.h"

#include <utility>

SettingsItem::SettingsItem(std::string key, std::string value, bool persist)
    : key(std::move(key)), stringValue(std::move(value)), type(1), persist(persist) {}

SettingsItem::SettingsItem(std::string key, const char* value, bool persist)
    : SettingsItem(std::move(key), std::string(value), persist) {}

SettingsItem::SettingsItem(std::string key, int32_t value, bool persist)
    : key(std::move(key)), intValue(value), type(0), persist(persist) {}

SettingsItem::SettingsItem(std::string key, bool value, bool persist)
    : SettingsItem(std::move(key), int32_t{value ? 1 : 0}, persist) {}
