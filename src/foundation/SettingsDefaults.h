#pragma once
// Every setting with its default value and whether it is kept between runs, and the bounds of
// those whose values have any.

#include <vector>

#include "foundation/SettingsItem.h"
#include "platform/AppPaths.h"

// The folder defaults lie under the program folder, except the Files folder, which goes to the
// user's documents folder when there is one.
std::vector<SettingsItem> DefaultSettings(const AppPaths& paths);

// An integer setting's least and greatest sound value, both included.
struct SettingRange {
  int32_t id;
  int32_t low;
  int32_t high;
};

// The window's placement is not here: its bounds are the screen's, known only to the window.
// Booleans need none: any value but 0 reads as true.
const std::vector<SettingRange>& SettingRanges();
