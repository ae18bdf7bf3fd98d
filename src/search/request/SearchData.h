#pragma once
// One search tab's request: the five fields as the engine needs them, the four options, the
// lexicons chosen for the tab and what is derived from them before a search.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/pattern/SrcLetters.h"
#include "search/selection/VirtualLexListView.h"

class SelectedWords;

// The four search options, read from the settings in this order.
void LoadSearchOptions(uint8_t& useAllFrom, uint8_t& suppressPermutations, uint8_t& caseSensitive,
                       uint8_t& reuseFromLetters);

class SearchData {
 public:
  explicit SearchData(VirtualLexList& lexiconList);
  ~SearchData();
  SearchData(const SearchData&) = delete;
  SearchData& operator=(const SearchData&) = delete;

  // Each takes the text as typed; false means the search must not start (the user was told).
  bool SetKeyWords(const std::string& text);
  bool SetFind(const std::string& text);
  bool SetFrom(const std::string& text);
  bool SetInclude(const std::string& text);
  bool SetExclude(const std::string& text);
  // Checks the request and derives remainingFrom and fromLessFind; false after telling the user.
  bool Validate();

  std::string find;
  std::string from;
  std::string remainingFrom;
  std::string include;
  std::string exclude;
  SrcLetters fromLessFind;
  SrcLetters fromLetters;
  std::unique_ptr<VirtualLexListView> lexicons;
  std::vector<std::string> keyWords;  // each a space followed by the lower-cased entry
  uint8_t useAllFrom = 0;
  uint8_t suppressPermutations = 0;
  uint8_t caseSensitive = 0;
  uint8_t reuseFromLetters = 0;
  uint8_t fromChanged = 0;
  uint8_t multiWord = 0;
  std::unique_ptr<SelectedWords> gridSlots;

 private:
  bool CheckIncludeExclude();
  void CheckFindInFrom() const;
  std::string RemoveFindLetters() const;
};
