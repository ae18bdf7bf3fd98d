#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

#include "lookup/WNInterface.h"
#include "lookup/WordNetLibrary.h"
#include "lookup/WordNetLock.h"
#include "lookup/WordNetTestData.h"
#include "support/SearchHarness.h"

namespace {

constexpr int kOverview = 31;

// What the library answers for a word in one part of speech.
struct Answers {
  uint32_t defined;
  std::string overview;
  int printed;
  std::vector<std::string> baseForms;
  bool operator==(const Answers&) const = default;
};

Answers Ask(const std::string& word, int partOfSpeech, bool inMemory) {
  std::lock_guard lock(WordNetLock());
  WordNetLibrary::SetFilesInMemory(inMemory);
  WordNetLibrary& library = WordNetLibrary::Current();
  Answers answers{library.IsDefined(word, partOfSpeech), {}, 0, {}};
  answers.overview = library.FindTheInfo(word, partOfSpeech, kOverview);
  answers.printed = library.PrintedSenseCount();
  answers.baseForms = library.BaseForms(word, partOfSpeech);
  WordNetLibrary::SetFilesInMemory(true);
  return answers;
}

// The answers given from memory and the word lists are the library's own, searching its files:
// over a sample of a word list, and words at the edges of its lists and rules.
TEST(WordNetShortcutsTest, AnswersAreTheLibrarysOwn) {
  const WNInterface starter(DictionaryFolder());
  std::vector<std::string> words = {
      "ful",       "boxesful",  "cupsful",  "s",       "es",       "axes",      "men",
      "women",     "ss",        "glasses",  "ox",      "oxen",     "Cats",      "a.m.",
      "ice-cream", "ice_cream", "go_by",    "lay(p)",  "aardvark", "zyzzyva",   "children",
      "better",    "bluer",     "ate",      "dying",   "geese",    "caf\xe9",   "",
      "zzzz",      "boxes",     "churches", "wishes",  "ies",      "ing",       "er",
      "est",       "ed",        "y",        "fuls",    "eyeful",   "spoonsful", "tries",
      "tried",     "trying",    "larger",   "largest", "hoping",   "passes"};
  const std::vector<std::string>& all = DebianWords();
  for (size_t i = 0; i < all.size(); i += 53) words.push_back(all[i]);
  for (const std::string& word : words)
    for (int p = 1; p <= 4; ++p)
      ASSERT_EQ(Ask(word, p, true), Ask(word, p, false)) << word << " " << p;
}

}  // namespace
