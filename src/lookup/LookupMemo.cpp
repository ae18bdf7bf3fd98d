#include "lookup/LookupMemo.h"

#include <algorithm>

namespace {

// What an entry costs beside its texts: the entry and its table slots.
constexpr size_t kEntryBytes = 96;

uint64_t HashOf(const std::string& word, int partOfSpeech, uint32_t argument) {
  const uint64_t arguments =
      (static_cast<uint64_t>(argument) << 8) | static_cast<uint8_t>(partOfSpeech);
  return std::hash<std::string>{}(word) ^ MixedHash(arguments + 1);
}

}  // namespace

LookupMemo::Entry* LookupMemo::Find(const Table& table, uint64_t hash, const std::string& word,
                                    int partOfSpeech, uint32_t argument) const {
  return table.Find(hash, [&](const Entry& entry) {
    return entry.partOfSpeech == partOfSpeech && entry.argument == argument && entry.word == word;
  });
}

const LookupMemo::Entry& LookupMemo::Note(Table& table, uint64_t hash, const std::string& word,
                                          int partOfSpeech, uint32_t argument, uint32_t answer,
                                          std::string_view text) {
  if (memory.Used() + word.size() + text.size() + kEntryBytes > budget) {
    defined.Clear();
    texts.Clear();
    holds.Clear();
    memory.Clear();
  }
  auto* copy = static_cast<char*>(memory.Take(word.size() + text.size()));
  std::copy(text.begin(), text.end(), std::copy(word.begin(), word.end(), copy));
  auto* entry = static_cast<Entry*>(memory.Take(sizeof(Entry)));
  *entry = {std::string_view(copy, word.size()), partOfSpeech, argument, answer,
            std::string_view(copy + word.size(), text.size())};
  table.Add(hash, entry);
  return *entry;
}

uint32_t LookupMemo::Defined(const std::string& word, int partOfSpeech,
                             const std::function<uint32_t()>& ask) {
  const uint64_t hash = HashOf(word, partOfSpeech, 0);
  if (const Entry* known = Find(defined, hash, word, partOfSpeech, 0)) return known->answer;
  const uint32_t answer = ask();
  if (answer != 0) Note(defined, hash, word, partOfSpeech, 0, answer);
  return answer;
}

LookupMemo::Noted LookupMemo::Search(const std::string& word, int partOfSpeech, int searchType,
                                     const std::function<Text()>& ask) {
  const auto type = static_cast<uint32_t>(searchType);
  const uint64_t hash = HashOf(word, partOfSpeech, type);
  if (const Entry* known = Find(texts, hash, word, partOfSpeech, type))
    return {known->text, static_cast<int>(known->answer)};
  lastAsked = ask();
  if (lastAsked.text.empty()) return {lastAsked.text, lastAsked.printedSenses};
  const Entry& noted = Note(texts, hash, word, partOfSpeech, type,
                            static_cast<uint32_t>(lastAsked.printedSenses), lastAsked.text);
  return {noted.text, lastAsked.printedSenses};
}

bool LookupMemo::Holds(const std::string& form, int partOfSpeech, uint32_t relationMask,
                       const std::function<bool()>& test) {
  const uint64_t hash = HashOf(form, partOfSpeech, relationMask);
  if (const Entry* known = Find(holds, hash, form, partOfSpeech, relationMask))
    return known->answer != 0;
  const bool answer = test();
  Note(holds, hash, form, partOfSpeech, relationMask, answer ? 1 : 0);
  return answer;
}
