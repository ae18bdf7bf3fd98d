#pragma once
// Answers a key-word search has already been given. The dictionary cannot change while the
// program runs, and a search testing a lexicon asks the same again and again: cats, catty and
// cat each lead to the searches of cat, and a lexicon lists cat thousands of words before cats.
// The memo keeps the library's short answers and, for the long relation texts, only whether
// they held a key word. It keeps to a budget: past it, it forgets everything and starts again.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <unordered_map>

class LookupMemo {
 public:
  // A search's text and the number of senses the library printed in it.
  struct Text {
    std::string text;
    int printedSenses = 0;
  };

  explicit LookupMemo(size_t budgetBytes = kDefaultBudget) : budget(budgetBytes) {}

  // The answer noted for the same arguments, or ask's (then noted). A text stays valid until
  // the next call. An empty answer is not noted: the library gives it at once for a word the
  // dictionary lacks, and a lexicon's many such words would crowd out the answers worth keeping.
  uint32_t Defined(const std::string& word, int partOfSpeech, const std::function<uint32_t()>& ask);
  const Text& Search(const std::string& word, int partOfSpeech, int searchType,
                     const std::function<Text()>& ask);
  // Whether the relation entries of a word form held a key word, given the relations searched.
  bool Holds(const std::string& form, int partOfSpeech, uint32_t relationMask,
             const std::function<bool()>& test);

  size_t Bytes() const { return bytes; }

 private:
  static constexpr size_t kDefaultBudget = size_t{32} << 20;
  void Spend(size_t more);

  size_t budget;
  size_t bytes = 0;
  std::unordered_map<std::string, uint32_t> defined;
  std::unordered_map<std::string, Text> texts;
  Text unnoted;  // the last empty answer, returned as noted ones are
  std::unordered_map<std::string, bool> holds;
};
