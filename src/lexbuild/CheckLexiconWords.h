#pragma once
// The look-ups of a lexicon build against its check lexicon: the answers of
// Dictionary::Contains, most of them from two sets made once from the lexicon's words instead of
// a search of the lexicon for every word of the list. A word stored byte for byte is held in any
// form; a word whose letters, case and accents aside, are no stored word's letters is held in
// none (a word's pattern matches letters one for one); only the words between ask the search.

#include <string>
#include <unordered_set>

#include "search/lexicon/Dictionary.h"
#include "search/lexicon/VirtualLex.h"

class CheckLexiconWords {
 public:
  // The lexicon as it is loaded now; one that is not loaded holds nothing.
  explicit CheckLexiconWords(const VirtualLex& lexicon);
  // Dictionary::Contains(word, anyForm) of the lexicon.
  bool Contains(const std::string& word, bool anyForm);

 private:
  std::unordered_set<std::string> words;
  std::unordered_set<std::string> foldedLetters;  // each stored word's letters, folded
  Dictionary search;
};
