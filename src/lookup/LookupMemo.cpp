#include "lookup/LookupMemo.h"

namespace {

// What a map entry costs beside its texts: node, hash slot and string headers.
constexpr size_t kEntryBytes = 96;

// The word can hold any byte but none of the arguments that follow it do.
std::string KeyOf(const std::string& word, int partOfSpeech, int searchType) {
  std::string key = word;
  key += '\0';
  key += static_cast<char>(partOfSpeech);
  key += static_cast<char>(searchType);
  return key;
}

}  // namespace

uint32_t LookupMemo::Defined(const std::string& word, int partOfSpeech,
                             const std::function<uint32_t()>& ask) {
  std::string key = KeyOf(word, partOfSpeech, 0);
  if (const auto found = defined.find(key); found != defined.end()) return found->second;
  const uint32_t answer = ask();
  if (answer == 0) return answer;
  Spend(key.size() + kEntryBytes);
  defined.emplace(std::move(key), answer);
  return answer;
}

const LookupMemo::Text& LookupMemo::Search(const std::string& word, int partOfSpeech,
                                           int searchType, const std::function<Text()>& ask) {
  std::string key = KeyOf(word, partOfSpeech, searchType);
  if (const auto found = texts.find(key); found != texts.end()) return found->second;
  Text answer = ask();
  if (answer.text.empty()) {
    unnoted = std::move(answer);
    return unnoted;
  }
  Spend(key.size() + answer.text.size() + kEntryBytes);
  return texts.emplace(std::move(key), std::move(answer)).first->second;
}

bool LookupMemo::Holds(const std::string& form, int partOfSpeech, uint32_t relationMask,
                       const std::function<bool()>& test) {
  std::string key = KeyOf(form, partOfSpeech, 0);
  key.append(reinterpret_cast<const char*>(&relationMask), sizeof relationMask);
  if (const auto found = holds.find(key); found != holds.end()) return found->second;
  const bool answer = test();
  Spend(key.size() + kEntryBytes);
  holds.emplace(std::move(key), answer);
  return answer;
}

void LookupMemo::Spend(size_t more) {
  if (bytes + more > budget) {
    defined.clear();
    texts.clear();
    holds.clear();
    bytes = 0;
  }
  bytes += more;
}
