#pragma once
// The eleven relations the dictionary offers for a word. A row's number is its index in every
// per-relation list, and bit (searchType) of a relation mask says whether the row applies.

#include <array>
#include <cstdint>

#include "lookup/RelationParsers.h"

struct RelationRow {
  int32_t searchType;  // the library's search number
  const char* caption;
  const char* marker;  // matched byte for byte, blanks included; empty for the synonyms
  RelationParser parser;
};

constexpr int kRelationCount = 11;

extern const std::array<RelationRow, kRelationCount> relationTable;
