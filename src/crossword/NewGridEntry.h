#pragma once
// The rules of the new-grid dialog, where the user types the columns and rows of a new grid or
// of the grid about to be reset.

#include <cstdint>
#include <string>

// Reads the two fields, rows first: a field that is not a whole number gives its message
// ("Rows must be a whole number", then "Columns must be a whole number", caption "Entry not
// Valid"). True when both are whole numbers; 0 is accepted (the caller raises sizes to 1).
bool ReadNewGridSizes(const std::string& colsText, const std::string& rowsText, int32_t& cols, int32_t& rows);
// Digits and Backspace may be typed into the fields; any other character is refused.
bool NewGridKeyPasses(char32_t character);
