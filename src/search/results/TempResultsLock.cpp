#include "search/results/TempResultsLock.h"

void DeleteUnusedTempResults(const std::string& folder) {
  DeleteUnheldFiles(folder, {"$$*.rls", "$$*.idx", "$$*.MMF"});
}
