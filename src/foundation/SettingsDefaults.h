#pragma once
// Every setting with its default value and whether it is kept between runs.

#include <vector>

#include "foundation/SettingsItem.h"
#include "platform/AppPaths.h"

// The folder defaults lie under the program folder, except the Files folder, which goes to the
// user's documents folder when there is one.
std::vector<SettingsItem> DefaultSettings(const AppPaths& paths);
