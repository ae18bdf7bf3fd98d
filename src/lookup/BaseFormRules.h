#pragma once
// The forms the library's morphology makes of a word that has no exception entry: it drops an
// ending such as "ies" and adds one such as "y", rule by rule in a fixed order, and gives the
// first form that is an index entry (and nothing more). Knowing the forms lets the program give
// that answer from its own lists instead of the library's slower search.

#include <string>
#include <string_view>
#include <vector>

struct RuleForms {
  std::vector<std::string> forms;  // in the order the morphology tries them
  std::string_view kept;           // put back on the end of the form given
};

// The forms for a word searched as spelled (see WordNetLemmas), in part of speech 1-4.
RuleForms FormsByRules(std::string_view word, int partOfSpeech);
