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
#include <string_view>

#include "foundation/Arena.h"
#include "foundation/PointerTable.h"

class LookupMemo {
 public:
  // A search's text as the library gave it, and the number of senses it printed in it.
  struct Text {
    std::string text;
    int printedSenses = 0;
  };
  // The same answer as the memo holds it.
  struct Noted {
    std::string_view text;
    int printedSenses = 0;
  };

  explicit LookupMemo(size_t budgetBytes = kDefaultBudget) : budget(budgetBytes) {}

  // The answer noted for the same arguments, or ask's (then noted). A text stays valid until
  // the next call. An empty answer is not noted: the library gives it at once for a word the
  // dictionary lacks, and a lexicon's many such words would crowd out the answers worth keeping.
  uint32_t Defined(const std::string& word, int partOfSpeech, const std::function<uint32_t()>& ask);
  Noted Search(const std::string& word, int partOfSpeech, int searchType,
               const std::function<Text()>& ask);
  // Whether the relation entries of a word form held a key word, given the relations searched.
  bool Holds(const std::string& form, int partOfSpeech, uint32_t relationMask,
             const std::function<bool()>& test);

  size_t Bytes() const { return memory.Used(); }

 private:
  static constexpr size_t kDefaultBudget = size_t{32} << 20;

  // One answer: the word and the arguments after it, and what was answered.
  struct Entry {
    std::string_view word;
    int partOfSpeech;
    uint32_t argument;  // the search type, or the relations searched
    uint32_t answer;    // searches available, printed senses or the verdict
    std::string_view text;
  };
  using Table = PointerTable<Entry>;
  Entry* Find(const Table& table, uint64_t hash, const std::string& word, int partOfSpeech,
              uint32_t argument) const;
  // Notes an answer, forgetting everything first when it would not fit the budget.
  const Entry& Note(Table& table, uint64_t hash, const std::string& word, int partOfSpeech,
                    uint32_t argument, uint32_t answer, std::string_view text = {});

  size_t budget;
  Arena memory;
  Table defined;
  Table texts;
  Table holds;
  Text lastAsked;  // an empty answer is returned from here, as it is not noted
};
