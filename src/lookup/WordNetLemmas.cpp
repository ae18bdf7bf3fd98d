#include "lookup/WordNetLemmas.h"

#include <fstream>
#include <sstream>

namespace {

constexpr uint8_t IndexBit(int partOfSpeech) { return uint8_t(1u << (partOfSpeech - 1)); }
constexpr uint8_t ExceptionBit(int partOfSpeech) { return uint8_t(IndexBit(partOfSpeech) << 4); }

bool ValidPart(int partOfSpeech) { return partOfSpeech >= 1 && partOfSpeech <= 4; }

}  // namespace

WordNetLemmas::WordNetLemmas(const std::array<std::string_view, 4>& indexFiles,
                             const std::string& folder) {
  static constexpr const char* kExceptionNames[] = {"noun", "verb", "adj", "adv"};
  for (int p = 1; p <= 4; ++p) {
    Add(indexFiles[p - 1], IndexBit(p));
    std::ifstream file(folder + "/" + kExceptionNames[p - 1] + ".exc", std::ios::binary);
    std::ostringstream bytes;
    if (!(file && bytes << file.rdbuf())) {
      unreadLists |= ExceptionBit(p);
      continue;
    }
    exceptionFiles[p - 1] = std::move(bytes).str();
    Add(exceptionFiles[p - 1], ExceptionBit(p));
  }
}

void WordNetLemmas::Add(std::string_view fileBytes, uint8_t bit) {
  if (fileBytes.empty()) unreadLists |= bit;
  // The library takes a line's first word to end at its first blank; a line that begins with
  // one (the licence at the head of an index file) has an empty first word, which no search
  // asks for.
  for (size_t start = 0; start < fileBytes.size();) {
    size_t end = fileBytes.find('\n', start);
    if (end == std::string_view::npos) end = fileBytes.size();
    const std::string_view line = fileBytes.substr(start, end - start);
    const std::string_view first = line.substr(0, line.find(' '));
    if (!first.empty()) lists[first] |= bit;
    start = end + 1;
  }
}

bool WordNetLemmas::SearchedAsSpelled(std::string_view word) {
  for (const char c : word)
    if ((c >= 'A' && c <= 'Z') || c == ' ' || c == '_' || c == '-' || c == '.' || c == '(')
      return false;
  return true;
}

bool WordNetLemmas::MayBeIndexed(std::string_view word, int partOfSpeech) const {
  return !ValidPart(partOfSpeech) || MayHold(word, IndexBit(partOfSpeech));
}

bool WordNetLemmas::MayBeException(std::string_view word, int partOfSpeech) const {
  return !ValidPart(partOfSpeech) || MayHold(word, ExceptionBit(partOfSpeech));
}

bool WordNetLemmas::MayHold(std::string_view word, uint8_t bit) const {
  if ((unreadLists & bit) || !SearchedAsSpelled(word)) return true;
  const auto found = lists.find(word);
  return found != lists.end() && (found->second & bit);
}
