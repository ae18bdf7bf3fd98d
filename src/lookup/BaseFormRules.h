#pragma once
// Whether the library's morphology can give a word any base form in a part of speech. It gives
// one only from the word's exception entry or from a form made by one of its rules (drop an
// ending such as "ies", add one such as "y") that is an index entry, so a word with neither is
// answered without asking it.

#include <string_view>

#include "lookup/WordNetLemmas.h"

// false only when the morphology surely gives the word no base form in that part of speech.
// Every rule of every part of speech is tried, which asks the library more often than needed
// but never less.
bool MayHaveBaseForm(const WordNetLemmas& lemmas, std::string_view word, int partOfSpeech);
