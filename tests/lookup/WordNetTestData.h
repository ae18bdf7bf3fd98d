#pragma once
// Where the lookup tests find the dictionary and the recorded library outputs.

#include <string>

#include "support/TempFolder.h"

// The build's program folder links "Wordnet" to the installed database.
inline std::string DictionaryFolder() { return std::string(SORVANE_BIN_DIR) + "/Wordnet"; }

// A library output recorded under tests/data/wordnet.
inline std::string RecordedOutput(const std::string& name) {
  return ReadWholeFile(std::string(SORVANE_TEST_DATA) + "/wordnet/" + name);
}
