// Whether a lexicon holds a word: a search for the word's letters, then a look at the words found.

#include "search/lexicon/Dictionary.h"

namespace {

// The word as a pattern that finds every stored form of it: a hyphen may be stored as a space or
// a hyphen (a pattern space matches both), and apostrophes, commas and full stops are skipped in
// stored words anyway.
std::string LookupPattern(const std::string& word) {
  std::string pattern;
  pattern.reserve(word.size());
  for (const char c : word) {
    if (c == '-') {
      pattern += ' ';
    } else if (c != '\'' && c != ',' && c != '.') {
      pattern += c;
    }
  }
  return pattern;
}

}  // namespace

bool Dictionary::Contains(const std::string& word, bool anyForm) {
  // No lexicon stores a word that breaks the word rules; such a word, read as a pattern, could
  // also match words it is not (or not compile at all).
  if (word.find('\0') != std::string::npos || ValidWordLength(word.c_str()) == 0) return false;
  matcher.SetCaseSensitive(false);
  const std::string pattern = LookupPattern(word);
  const char* found = nullptr;
  for (uint8_t code = FindNext(&found, pattern.c_str(), nullptr, 0, 0); code == kFound;
       code = FindNext(&found, nullptr, nullptr, 0, 0)) {
    if (anyForm || word == found) return true;
  }
  return false;
}
