#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <random>

#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/LexiconWordStream.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Decodes from one index entry, reading the bytes from a buffer of exactly their size, so that
// AddressSanitizer sees any read past the end.
std::vector<std::string> DecodeFrom(const std::string& fileBytes, int letterCount, int column) {
  auto exact = std::make_unique<uint8_t[]>(fileBytes.size());
  std::copy(fileBytes.begin(), fileBytes.end(), exact.get());
  LexiconWordStream stream(exact.get(), fileBytes.size());
  stream.Seek(letterCount, column);
  std::vector<std::string> words;
  for (std::string word; stream.Next(word) && words.size() < 100000;) words.push_back(word);
  return words;
}

std::string WorkedExample(const TempFolder& folder) {
  return ReadWholeFile(WriteLexicon(folder / "x.lex", {"a", "I", "an", "at", "be"}));
}

TEST(LexiconWordStreamTest, DecodesFromAnyIndexEntry) {
  TempFolder folder;
  const std::string bytes = WorkedExample(folder);
  EXPECT_THAT(DecodeFrom(bytes, 1, 0), ElementsAre("a", "I", "an", "at", "be"));
  EXPECT_THAT(DecodeFrom(bytes, 1, 8), ElementsAre("I", "an", "at", "be"));
  EXPECT_THAT(DecodeFrom(bytes, 1, 9), ElementsAre("an", "at", "be"));
  EXPECT_THAT(DecodeFrom(bytes, 2, 1), ElementsAre("be"));
  EXPECT_THAT(DecodeFrom(bytes, 2, 2), IsEmpty());
  EXPECT_THAT(DecodeFrom(bytes, 30, 25), IsEmpty());
}

TEST(LexiconWordStreamTest, TracksTheLetterCountAcrossSteps) {
  TempFolder folder;
  const std::string bytes =
      ReadWholeFile(WriteLexicon(folder / "x.lex", {"a-bcde", "abcde", "vwxyz"}));
  for (int row = 1; row <= 4; ++row)
    for (int column = 0; column < 26; ++column)
      EXPECT_EQ(IndexEntry(bytes, row, column), 3136u + row - 1) << row << " " << column;
  const auto* data = reinterpret_cast<const uint8_t*>(bytes.data());
  LexiconWordStream stream(data, bytes.size());
  stream.Seek(1, 0);
  std::string word;
  ASSERT_TRUE(stream.Next(word));
  EXPECT_EQ(word, "a-bcde");
  EXPECT_EQ(stream.LetterCount(), 5);
  ASSERT_TRUE(stream.Next(word));
  EXPECT_EQ(word, "abcde");
  ASSERT_TRUE(stream.Next(word));
  EXPECT_EQ(word, "vwxyz");
  EXPECT_FALSE(stream.Next(word));
  EXPECT_FALSE(stream.Next(word));
}

TEST(LexiconWordStreamTest, EmptyLexiconHasNoWordsAnywhere) {
  TempFolder folder;
  CreateEmptyLexicon(folder / "e.lex");
  const std::string bytes = ReadWholeFile(folder / "e.lex");
  for (int row = 1; row <= 30; ++row)
    for (int column = 0; column < 26; ++column)
      EXPECT_THAT(DecodeFrom(bytes, row, column), IsEmpty());
}

TEST(LexiconWordStreamTest, RoundTripKeepsEveryWordAndItsBytes) {
  TempFolder folder;
  const std::vector<std::string> words = {
      "I",        "a",     "ox",   "Zoe",          "caf\xE9",
      "Caf\xE9s", "don't", "dont", "r\xF4le-play", "abcdefghijklmnopqrstuvwxyzabcd"};
  std::vector<std::string> sorted = words;
  std::sort(sorted.begin(), sorted.end(), [](const std::string& a, const std::string& b) {
    const int order = CompareWordStrings(a, b);
    return order ? order < 0 : a < b;
  });
  EXPECT_EQ(DecodeFrom(ReadWholeFile(WriteLexicon(folder / "x.lex", sorted)), 1, 0), sorted);
}

TEST(LexiconWordStreamTest, EveryTruncationGivesAPrefixOfTheWords) {
  TempFolder folder;
  const std::string bytes = WorkedExample(folder);
  const std::vector<std::string> all = DecodeFrom(bytes, 1, 0);
  for (size_t length = 0; length <= bytes.size(); ++length) {
    const std::vector<std::string> words = DecodeFrom(bytes.substr(0, length), 1, 0);
    ASSERT_LE(words.size(), all.size()) << length;
    EXPECT_TRUE(std::equal(words.begin(), words.end(), all.begin())) << length;
    if (length < 3136) {
      EXPECT_THAT(words, IsEmpty()) << length;
    }
  }
}

TEST(LexiconWordStreamTest, DamagedStreamsEndWithoutLeavingTheData) {
  TempFolder folder;
  const std::string good = WorkedExample(folder);
  auto damaged = [&](size_t at, const std::string& replacement) {
    std::string bytes = good;
    bytes.replace(at, replacement.size(), replacement);
    return bytes;
  };
  std::string beyond(4, '\0');
  WriteU32(reinterpret_cast<uint8_t*>(beyond.data()), 1u << 30);
  EXPECT_THAT(DecodeFrom(damaged(0, beyond), 1, 0), IsEmpty());                // entry past the end
  EXPECT_THAT(DecodeFrom(damaged(0, std::string(4, '\0')), 1, 0), IsEmpty());  // into the index
  // "at" claims 15 shared bytes of a two-letter predecessor.
  EXPECT_THAT(DecodeFrom(damaged(3144, "\x0F"), 1, 0), ElementsAre("a", "I", "an"));
  // "be" claims 7 marks: its tail would run past the end of the file.
  EXPECT_THAT(DecodeFrom(damaged(3146, "\x70"), 1, 0), ElementsAre("a", "I", "an", "at"));
  // A byte with the step bit that is not a step.
  EXPECT_THAT(DecodeFrom(damaged(3140, "\x81"), 1, 0), ElementsAre("a", "I"));
  // Steps beyond the longest letter count.
  EXPECT_THAT(
      DecodeFrom(good + std::string(40, '\x80') + std::string(1, '\0') + std::string(40, 'a'), 1,
                 0),
      ElementsAre("a", "I", "an", "at", "be"));
}

TEST(LexiconWordStreamTest, RandomBytesAfterAValidHeaderNeverReadOutside) {
  TempFolder folder;
  const std::string good = WorkedExample(folder);
  std::mt19937 random(20240611);
  for (int round = 0; round < 300; ++round) {
    std::string bytes = good.substr(0, 3136);
    const size_t tail = random() % 400;
    for (size_t i = 0; i < tail; ++i) bytes.push_back(static_cast<char>(random() % 256));
    // Some rounds also scramble index entries, some within the file and some beyond it.
    for (int k = 0; k < round % 5; ++k) {
      const size_t entry = random() % kIndexEntries;
      WriteU32(reinterpret_cast<uint8_t*>(bytes.data()) + entry * 4,
               static_cast<uint32_t>(3100 + random() % 600));
    }
    for (int row = 1; row <= 30; row += 7)
      for (int column = 0; column < 26; column += 5) {
        for (const std::string& word : DecodeFrom(bytes, row, column))
          ASSERT_LE(word.size(), 37u);  // 30 letters and 7 marks at the most
      }
  }
}

}  // namespace
