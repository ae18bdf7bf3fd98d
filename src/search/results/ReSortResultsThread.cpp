#include "search/results/ReSortResultsThread.h"

#include <algorithm>
#include <cstring>

#include "foundation/CharClass.h"
#include "search/results/Results.h"
#include "search/results/StableMergeSort.h"

namespace {
constexpr uint32_t kReadBlock = 65536;
constexpr uint32_t kPrefixLetters = 16;
}

void ReSortResultsThread::Execute() {
  result.store(static_cast<int32_t>(results.Count()), std::memory_order_relaxed);
  switch (results.EffectiveOrdering()) {
    case kOrderByWord:
      return SortByWord();
    case kOrderByLengthThenWord:
      return SortByLengthThenWord();
    default:
      return;
  }
}

void ReSortResultsThread::SortByWord() {
  SortAndWrite([this](const Text& a, const Text& b) { return CompareWordsOf(a, b) < 0; });
}

void ReSortResultsThread::SortByLengthThenWord() {
  SortAndWrite([this](const Text& a, const Text& b) {
    if (a.letters != b.letters) return a.letters < b.letters;
    return CompareWordsOf(a, b) < 0;
  });
}

// The order of CompareWords. Two words of letters only compare as their folded letters do, which
// is what CompareWords finds letter by letter: their first sixteen first, as two numbers; a word
// with marks is left to CompareWords itself.
int ReSortResultsThread::CompareWordsOf(const Text& a, const Text& b) const {
  if (!a.lettersOnly || !b.lettersOnly) {
    return CompareWords(texts.c_str() + a.at, texts.c_str() + b.at);
  }
  for (int i = 0; i < 2; ++i) {
    if (a.prefix[i] != b.prefix[i]) return a.prefix[i] < b.prefix[i] ? -1 : 1;
  }
  const uint32_t common = std::min(a.length, b.length);
  if (common > kPrefixLetters) {
    const int rest = std::memcmp(folded.data() + a.foldedAt + kPrefixLetters,
                                 folded.data() + b.foldedAt + kPrefixLetters, common - kPrefixLetters);
    if (rest != 0) return rest;
  }
  return (a.length > b.length) - (a.length < b.length);
}

template <typename Less>
void ReSortResultsThread::SortAndWrite(Less less) {
  if (!ReadAll()) return;
  // Equal texts keep the order they were read in, so the first of each run is the first read.
  StableMergeSort(read, less);
  std::vector<const Text*> kept;
  kept.reserve(read.size());
  for (const Text& text : read) {
    if (!kept.empty() && !less(*kept.back(), text)) continue;
    kept.push_back(&text);
  }
  // From here the store is rewritten whatever is asked: a cancel would leave it half written.
  results.Clear();
  rewrote = true;
  uint64_t written = 0;
  for (const Text* text : kept) {
    results.Append(std::string_view(texts.data() + text->at, text->length));
    SetProgressOf(++written, kept.size(), 90, 10);
  }
  result.store(static_cast<int32_t>(written), std::memory_order_relaxed);
  cancelled.store(false, std::memory_order_release);
}

// Reads every result in the order GetResult gives them.
bool ReSortResultsThread::ReadAll() {
  const uint32_t count = results.Count();
  read.reserve(count);
  // Room for results of a typical length, so that the texts are seldom moved as they grow.
  texts.reserve(size_t{count} * 24);
  folded.reserve(size_t{count} * 24);
  uint64_t done = 0;
  results.ReadInOrder(kReadBlock, [&](const std::vector<std::string_view>& texts) {
    if (ShouldStop()) return false;
    for (std::string_view text : texts) Take(text);
    done += texts.size();
    SetProgressOf(done, count, 0, 90);
    return true;
  });
  return !ShouldStop();
}

void ReSortResultsThread::Take(std::string_view text) {
  Text entry{{0, 0}, static_cast<uint32_t>(texts.size()), static_cast<uint32_t>(text.size()),
             static_cast<uint32_t>(folded.size()), 0, true};
  texts.append(text).push_back('\0');
  for (char c : text) {
    if (IsLetter(c)) {
      folded.push_back(static_cast<char>(FoldCase(c)));
      ++entry.letters;
    } else {
      entry.lettersOnly = false;
    }
  }
  // The NUL a result may hold ends it for CompareWords; only such words take that path.
  if (text.find('\0') != std::string_view::npos) entry.lettersOnly = false;
  // Folded letters are never 0, so a shorter word's zero padding sorts it first.
  for (uint32_t i = 0; i < kPrefixLetters; ++i) {
    const uint8_t letter = i < entry.letters ? static_cast<uint8_t>(folded[entry.foldedAt + i]) : 0;
    uint64_t& part = entry.prefix[i / 8];
    part = part << 8 | letter;
  }
  read.push_back(entry);
}

void ReSortResultsThread::SetProgressOf(uint64_t done, uint64_t total, int32_t from,
                                        int32_t span) {
  const auto percent = static_cast<int32_t>(from + done * span / std::max<uint64_t>(total, 1));
  if (percent != GetProgress()) SetProgress(percent);
}
