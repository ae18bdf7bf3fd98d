#pragma once
// Every word the dictionary's four index files and four exception lists begin a line with, so
// that a word in none of them can be answered without the library's binary searches: most of
// the words a lexicon holds are in no list at all.
//
// Parts of speech are numbered as the library numbers them, 1-4.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>

class WordNetLemmas {
 public:
  // indexFiles[p - 1]: the bytes of part of speech p's index file, which must outlive the
  // object; the exception lists are read from the dictionary folder. A list that cannot be read
  // counts as holding every word.
  WordNetLemmas(const std::array<std::string_view, 4>& indexFiles, const std::string& folder);

  // Whether the library searches a word as it is spelled: no capital, blank, underscore, hyphen,
  // full stop or parenthesis, which it folds, swaps, drops or cuts at before searching. Only
  // such words can be told absent below.
  static bool SearchedAsSpelled(std::string_view word);

  // false only when the word, searched as spelled, is surely not a line's first word.
  bool MayBeIndexed(std::string_view word, int partOfSpeech) const;
  bool MayBeException(std::string_view word, int partOfSpeech) const;

 private:
  void Add(std::string_view fileBytes, uint8_t bit);
  bool MayHold(std::string_view word, uint8_t bit) const;

  std::array<std::string, 4> exceptionFiles;            // the views below point into these
  std::unordered_map<std::string_view, uint8_t> lists;  // bit per index file, then per exceptions
  uint8_t unreadLists = 0;                              // bits of the lists that could not be read
};
