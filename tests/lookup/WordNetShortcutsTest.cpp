#include <gtest/gtest.h>

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "lookup/ParsedEntries.h"
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

// Every text a key-word test asks of the library for a word: its searches available, its
// overview and the relation searches. They read synsets and index entries in every way the
// program makes the library read them.
std::vector<std::string> Texts(const std::string& word, int partOfSpeech) {
  std::lock_guard lock(WordNetLock());
  WordNetLibrary& library = WordNetLibrary::Current();
  std::vector<std::string> texts = {std::to_string(library.IsDefined(word, partOfSpeech))};
  for (const int searchType : {kOverview, 23, 1, 2, 3, 18, 12, 16, 14, 4, 17, 13})
    texts.push_back(library.FindTheInfo(word, partOfSpeech, searchType));
  return texts;
}

// The parsed entries held as a search holds them.
std::unique_ptr<ParsedEntriesKept> Keep() {
  std::lock_guard lock(WordNetLock());
  return std::make_unique<ParsedEntriesKept>();
}

size_t KeptBytes() {
  std::lock_guard lock(WordNetLock());
  return ParsedEntriesBytes();
}

void SetFilesInMemory(bool inMemory) {
  std::lock_guard lock(WordNetLock());
  WordNetLibrary::SetFilesInMemory(inMemory);
}

// While a search keeps the library's parsed entries, the library answers as when it parses
// every entry afresh: as it keeps them, and from its copies, also for a word other than the
// one a synset was kept for. Nothing is kept once the search lets go, nor over the library's own
// file streams.
TEST(WordNetShortcutsTest, KeptEntriesGiveTheLibrarysAnswers) {
  const WNInterface starter(DictionaryFolder());
  std::vector<std::string> words = {"music",   "euphony",   "good",     "well", "lay",    "put",
                                    "run",     "cat",       "true_cat", "dog",  "better", "geese",
                                    "a.m.",    "ice_cream", "go_by",    "zzzz", "Cats",   "animals",
                                    "pertain", "music",     "ddc",      "ddi",  "a"};
  const std::vector<std::string>& all = DebianWords();
  for (size_t i = 0; i < all.size(); i += 397) words.push_back(all[i]);
  std::vector<std::vector<std::string>> fresh;
  for (const std::string& word : words)
    for (int p = 1; p <= 4; ++p) fresh.push_back(Texts(word, p));
  auto kept = Keep();
  for (int round = 0; round < 2; ++round) {
    for (size_t w = 0, n = 0; w < words.size(); ++w)
      for (int p = 1; p <= 4; ++p, ++n)
        ASSERT_EQ(Texts(words[w], p), fresh[n]) << words[w] << " " << p << " round " << round;
  }
  EXPECT_GT(KeptBytes(), 0u);
  kept.reset();
  EXPECT_EQ(KeptBytes(), 0u);

  SetFilesInMemory(false);
  kept = Keep();
  EXPECT_EQ(Texts("music", 1), fresh.front());
  EXPECT_EQ(KeptBytes(), 0u);
  kept.reset();
  SetFilesInMemory(true);
}

}  // namespace
