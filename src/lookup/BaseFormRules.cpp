#include "lookup/BaseFormRules.h"

#include <string>

namespace {

struct Rule {
  std::string_view ending;
  std::string_view replacement;
};

// The morphology's rules for nouns, verbs and adjectives (adverbs have only exceptions).
constexpr Rule kRules[] = {
    {"s", ""},    {"ses", "s"},  {"xes", "x"}, {"zes", "z"},  {"ches", "ch"}, {"shes", "sh"},
    {"men", "man"}, {"ies", "y"}, {"es", "e"},  {"es", ""},    {"ed", "e"},    {"ed", ""},
    {"ing", "e"}, {"ing", ""},   {"er", ""},   {"est", ""},   {"er", "e"},    {"est", "e"},
};

// A noun ending in "ful" (boxesful) is searched by the rest of the word (boxes), given back with
// the ending put on again.
constexpr std::string_view kKeptEnding = "ful";

bool AnyRuleFormIndexed(const WordNetLemmas& lemmas, std::string_view word, int partOfSpeech) {
  for (const Rule& rule : kRules) {
    if (!word.ends_with(rule.ending)) continue;
    std::string form(word.substr(0, word.size() - rule.ending.size()));
    form += rule.replacement;
    if (lemmas.MayBeIndexed(form, partOfSpeech)) return true;
  }
  return false;
}

}  // namespace

bool MayHaveBaseForm(const WordNetLemmas& lemmas, std::string_view word, int partOfSpeech) {
  if (!WordNetLemmas::SearchedAsSpelled(word) || lemmas.MayBeException(word, partOfSpeech))
    return true;
  if (AnyRuleFormIndexed(lemmas, word, partOfSpeech)) return true;
  return word.ends_with(kKeptEnding) &&
         AnyRuleFormIndexed(lemmas, word.substr(0, word.size() - kKeptEnding.size()),
                            partOfSpeech);
}
