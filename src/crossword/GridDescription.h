#pragma once
// A grid as text, for grid-tool and tests (UTF-8). A line "CxR BBGGRR" (columns, rows and the
// default colour in upper-case hex, 0xBBGGRR; the colour is optional on input), then a line a
// row and an item a cell: '#' blank, '.' empty, else the letter ('\' before any of #.|^{\),
// after '|' for a left bar and '^' for a top bar, before "{BBGGRR}" when the cell's colour is
// not the default. A first line alone describes an empty grid.

#include <optional>
#include <string>

#include "crossword/GridData.h"

// The grid described, renumbered; nothing, with the reason in error, for a bad description.
// Without a colour on the first line the new grid keeps the defaults' colour.
std::optional<GridData> ParseGridDescription(const std::string& text, std::string& error,
                                             const GridDefaults& defaults = GridDefaults::FromSettings());
std::string DescribeGrid(const GridData& grid);
// A line a row of the clue numbers, separated by single spaces.
std::string DescribeNumbers(const GridData& grid);
