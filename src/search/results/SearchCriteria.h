#pragma once
// What a search looked for, as typed: the five fields and the four options. A results header
// records them, and a results pair opened again gives them back.

#include <cstdint>
#include <string>

#include "search/results/ResultsHeader.h"

// The five search fields as the user typed them (Windows-1252).
struct SearchFields {
  std::string find;
  std::string from;
  std::string include;
  std::string exclude;
  std::string keyWords;
};

// The four search options, as the window's check boxes hold them.
struct SearchOptions {
  uint8_t useAllFrom = 0;
  uint8_t suppressPermutations = 0;
  uint8_t caseSensitive = 0;
  uint8_t reuseFromLetters = 0;
};

// Texts longer than their header field holds are cut (see SetHeaderText); the header's other
// fields stay as they are.
void WriteCriteria(ResultsHeader& header, const SearchFields& fields, const SearchOptions& options);
// Each text up to its first zero, or the whole field when it has none.
void ReadCriteria(const ResultsHeader& header, SearchFields& fields, SearchOptions& options);
