#include "lookup/BaseFormRules.h"

#include <span>

namespace {

struct Rule {
  std::string_view ending;
  std::string_view replacement;
};

constexpr Rule kNounRules[] = {{"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
                               {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"}};
constexpr Rule kVerbRules[] = {{"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
                               {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""}};
constexpr Rule kAdjectiveRules[] = {{"er", ""}, {"est", ""}, {"er", "e"}, {"est", "e"}};

std::span<const Rule> RulesOf(int partOfSpeech) {
  switch (partOfSpeech) {
    case 1:
      return kNounRules;
    case 2:
      return kVerbRules;
    case 3:
      return kAdjectiveRules;
    default:
      return {};  // adverbs have only exceptions
  }
}

// The morphology takes an ending only from a word longer than it.
bool EndsWith(std::string_view word, std::string_view ending) {
  return word.size() > ending.size() && word.ends_with(ending);
}

// A noun ending in "ful" (boxesful) is searched by the rest of the word, the ending kept.
constexpr std::string_view kKeptEnding = "ful";

}  // namespace

RuleForms FormsByRules(std::string_view word, int partOfSpeech) {
  RuleForms result;
  if (partOfSpeech == 1) {
    if (EndsWith(word, kKeptEnding)) {
      word.remove_suffix(kKeptEnding.size());
      result.kept = kKeptEnding;
    } else if (EndsWith(word, "ss") || word.size() <= 2) {
      return result;
    }
  }
  for (const Rule& rule : RulesOf(partOfSpeech)) {
    if (!EndsWith(word, rule.ending)) continue;
    std::string form(word.substr(0, word.size() - rule.ending.size()));
    form += rule.replacement;
    result.forms.push_back(std::move(form));
  }
  return result;
}
