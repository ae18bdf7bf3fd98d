// Stopping walks from another thread, as the search tab and the jobs do.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "search/lexicon/Dictionary.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

// Every word of the letters a-d up to six letters, in lexicon order.
std::vector<std::string> AllWordsOfFourLetters() {
  std::vector<std::string> words;
  std::vector<std::string> previous = {""};
  for (int length = 1; length <= 6; ++length) {
    std::vector<std::string> current;
    for (const std::string& stem : previous)
      for (char c : std::string("abcd")) current.push_back(stem + c);
    std::sort(current.begin(), current.end());
    words.insert(words.end(), current.begin(), current.end());
    previous = current;
  }
  return words;
}

// Walks the lexicon again and again until the walk is stopped; returns the last code.
uint8_t WalkUntilStopped(Dictionary& cursor, std::atomic<bool>& walking) {
  const char* word = nullptr;
  uint8_t code = cursor.FindNext(&word, "*", nullptr, 0, 0);
  walking = true;
  while (code != Dictionary::kCancelled) {
    code = code == Dictionary::kFound ? cursor.FindNext(&word, nullptr, nullptr, 0, 0)
                                      : cursor.FindNext(&word, "*", nullptr, 0, 0);
  }
  return code;
}

class DictionaryThreads : public ::testing::Test {
 protected:
  void SetUp() override { lexicon.Use(true); }
  void TearDown() override { lexicon.Use(false); }

  TempFolder folder;
  VirtualLex lexicon{WriteLexicon(folder / "four.lex", AllWordsOfFourLetters())};
};

TEST_F(DictionaryThreads, CancelStopsAWalkOnAnotherThread) {
  Dictionary cursor(lexicon);
  std::atomic<bool> walking{false};
  uint8_t code = Dictionary::kFound;
  std::thread search([&] { code = WalkUntilStopped(cursor, walking); });
  while (!walking) std::this_thread::yield();
  cursor.Cancel();
  search.join();
  EXPECT_EQ(code, Dictionary::kCancelled);
}

TEST_F(DictionaryThreads, OneStopTokenStopsEveryCursorOfASearch) {
  std::atomic<bool> stop{false};
  constexpr int kCursors = 4;
  std::vector<std::unique_ptr<Dictionary>> cursors;
  std::vector<std::atomic<bool>> walking(kCursors);
  std::vector<uint8_t> codes(kCursors, Dictionary::kFound);
  std::vector<std::thread> searches;
  for (int n = 0; n < kCursors; ++n) {
    cursors.push_back(std::make_unique<Dictionary>(lexicon));
    cursors.back()->SetStopToken(&stop);
  }
  for (int n = 0; n < kCursors; ++n)
    searches.emplace_back([&, n] { codes[n] = WalkUntilStopped(*cursors[n], walking[n]); });
  for (auto& started : walking)
    while (!started) std::this_thread::yield();
  stop = true;
  for (auto& search : searches) search.join();
  EXPECT_EQ(codes, std::vector<uint8_t>(kCursors, Dictionary::kCancelled));
}

}  // namespace
