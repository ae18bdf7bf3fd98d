#pragma once
// What the select-lexicons dialog shows of each lexicon and how it deletes lexicons, apart from
// the dialog itself.

#include <cstdint>
#include <string>
#include <vector>

#include "search/selection/VirtualLexListView.h"

// The texts of one row of the dialog's list.
struct LexiconRow {
  std::string name;      // the file's name, extension included
  std::string words;     // the header's word count
  std::string created;   // the compile date
  std::string modified;  // the last change, or the compile date when never changed
};

LexiconRow DescribeLexicon(const LexViewInfo& entry);

// A date of a lexicon header (seconds since 1970) as the local date in the program's format.
std::string LexiconDate(uint32_t seconds);

// Deletes the highlighted lexicons once the user has confirmed it (a box owned by owner naming
// each of them); with none highlighted tells the user instead. Returns whether they were
// deleted.
bool ConfirmAndDeleteLexicons(VirtualLexListView& view,
                              const std::vector<std::string>& highlightedPaths, const void* owner);
