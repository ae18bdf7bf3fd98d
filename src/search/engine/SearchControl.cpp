#include "search/engine/SearchControl.h"

#include <algorithm>
#include <cstring>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/CharClass.h"
#include "search/lexicon/Dictionary.h"
#include "search/results/Results.h"
#include "search/engine/SearchControlShared.h"
#include "search/request/SearchData.h"

SearchControl::SearchControl(SearchData& request, int32_t minimum, int32_t first, StopToken stop,
                             std::shared_ptr<const SearchLexicons> lexicons,
                             KeyWordTest keyWordTest)
    : shared(std::make_shared<SearchControlShared>(
          SearchControlShared{request,
                              stop ? std::move(stop) : std::make_shared<SearchGate>(),
                              std::move(lexicons),
                              nullptr,
                              SorvaneArray(),
                              request.find,
                              nullptr,
                              {},
                              {}})),
      gate(shared->stop.get()),
      findText(shared->find.data()),
      pool(request.fromLessFind),
      minLength(minimum),
      firstLetter(first),
      useAll(request.useAllFrom != 0) {
  if (keyWordTest == KeyWordTest::kWhenGiven && !request.keyWords.empty())
    shared->keyWords = std::make_unique<WNInterface>(
        Settings::Instance().GetString(SettingId::FolderWordNet));
}

SearchControl::SearchControl(std::shared_ptr<SearchControlShared> levels, char* find,
                             const SrcLetters& letters, bool bang, int32_t minimum, int32_t first)
    : shared(std::move(levels)),
      gate(shared->stop.get()),
      findText(find),
      pool(letters),
      bangSeen(bang),
      minLength(minimum),
      firstLetter(first),
      useAll(shared->request.useAllFrom != 0) {}

SearchControl::~SearchControl() {
  if (cut) *cut = ' ';
}

void SearchControl::Stop() { shared->stop->Stop(); }

uint32_t SearchControl::FromTotal() const { return shared->request.fromLetters.Total(); }

std::unique_ptr<Dictionary> SearchControl::MakeCursor(std::shared_ptr<const LexImage> image,
                                                      bool setCase) const {
  auto cursor = std::make_unique<Dictionary>(std::move(image));
  cursor->SetStopToken(shared->stop->StopFlag());
  if (setCase) cursor->Matcher().SetCaseSensitive(shared->request.caseSensitive != 0);
  return cursor;
}

bool SearchControl::PassesLetterFilters(const char* word) const {
  const SearchData& request = shared->request;
  if (request.include.empty() && request.exclude.empty()) return true;
  const bool keepCase = request.caseSensitive != 0;
  const auto fold = [keepCase](char c) {
    return FoldSensitive[static_cast<uint8_t>(keepCase ? c : LowerCaseLetter(c))];
  };
  const size_t length = std::strlen(word);
  if (!request.include.empty()) {
    // Each word character serves one Include character at most.
    std::vector<bool> used(length, false);
    for (char wanted : request.include) {
      size_t i = 0;
      while (i < length && (used[i] || fold(word[i]) != fold(wanted))) ++i;
      if (i == length) return false;
      used[i] = true;
    }
  }
  for (char unwanted : request.exclude)
    for (size_t i = 0; i < length; ++i)
      if (fold(word[i]) == fold(unwanted)) return false;
  return true;
}

bool SearchControl::SearchSingle(Results& results) {
  SearchData& request = shared->request;
  const SrcLetters* from = FromTotal() > 0 ? &request.fromLetters : nullptr;
  uint8_t result = Dictionary::kFound;
  bool searched = false;
  for (const auto& image : shared->lexicons->selected) {
    if (result == Dictionary::kCancelled || ShouldStop()) break;
    auto cursor = MakeCursor(image, true);
    const char* word = nullptr;
    result = cursor->FindNext(&word, request.find.c_str(), from, 0, 0);
    for (; result == Dictionary::kFound; result = cursor->FindNext(&word, nullptr, from, 0, 0)) {
      if (from && useAll && static_cast<uint32_t>(cursor->CurrentLetterCount()) != from->Total())
        continue;
      if (!PassesLetterFilters(word)) continue;
      if (shared->keyWords && !shared->keyWords->MatchesKeyWords(word, request.keyWords)) continue;
      if (ShouldStop()) break;
      results.Add({word, static_cast<size_t>(cursor->LastWordLength())});
    }
    searched = true;
  }
  return searched;
}
