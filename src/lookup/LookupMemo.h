#pragma once
// Library answers a key-word search has already been given. The dictionary cannot change while
// the program runs, and a search testing a lexicon asks the same again and again: cats, catty
// and cat each lead to the searches of cat. The memo keeps to a budget: past it, it forgets
// everything and starts again.

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
  // the next call.
  uint32_t Defined(const std::string& word, int partOfSpeech, const std::function<uint32_t()>& ask);
  const Text& Search(const std::string& word, int partOfSpeech, int searchType,
                     const std::function<Text()>& ask);

  size_t Bytes() const { return bytes; }

 private:
  static constexpr size_t kDefaultBudget = size_t{8} << 20;
  void Spend(size_t more);

  size_t budget;
  size_t bytes = 0;
  std::unordered_map<std::string, uint32_t> defined;
  std::unordered_map<std::string, Text> texts;
};
