#pragma once
// Where-is: which installed lexicons hold a word exactly.

#include <string>
#include <vector>

#include "search/selection/VirtualLexList.h"

// For each lexicon file in order that holds the word byte for byte, a line break and its file name
// (with extension, without folder); empty when none does. Each file is read through a cursor of
// its own, whatever images are loaded. A file that cannot be opened throws SorvaneException.
std::string FindWordInLexicons(const std::string& word, const std::vector<std::string>& paths);
// The same over the lexicons of a list, in its order: the program's by default. Main thread.
std::string FindWordInLexicons(const std::string& word,
                               const VirtualLexList& list = VirtualLexList::Instance());
