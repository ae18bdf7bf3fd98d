#pragma once
// The sweep of the Temp folder when the program closes: the working files that no store or
// selection of any copy of the program holds (see TempFileLock).

#include <string>

#include "foundation/TempFileLock.h"

// Deletes the results working files ("$$*.rls", "$$*.idx") and the subset lexicons ("$$*.MMF")
// of the folder that no one holds.
void DeleteUnusedTempResults(const std::string& folder);
