// Sort records, their order, the merge handler over them and the in-place file sort.

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstring>
#include <random>

#include "foundation/CharClass.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/FileSort.h"
#include "lexbuild/SortRecord.h"
#include "lexbuild/StringHandler.h"
#include "support/TempFolder.h"

namespace {

SortRecord RecordOf(const std::string& word) {
  std::string text = word;
  int letters = 0;
  const char* clean = CleanWord(text.data(), &letters);
  EXPECT_NE(clean, nullptr) << word;
  return MakeSortRecord(clean, letters, CountMarks(clean));
}

std::string Bytes(const SortRecord& record) {
  return std::string(record.bytes.data(), SORT_RECORD_SIZE);
}

std::string FileOf(const std::vector<SortRecord>& records) {
  std::string bytes;
  for (const SortRecord& record : records) bytes += Bytes(record);
  return bytes;
}

// The records of the file sorted in memory by std::sort, the fragment left at the end.
std::string SortedInMemory(const std::string& bytes) {
  const size_t whole = bytes.size() / SORT_RECORD_SIZE;
  std::vector<std::string> records;
  for (size_t i = 0; i < whole; ++i) records.push_back(bytes.substr(i * SORT_RECORD_SIZE, SORT_RECORD_SIZE));
  std::sort(records.begin(), records.end(), [](const std::string& a, const std::string& b) {
    return CompareRecords(a.data(), b.data()) < 0;
  });
  std::string sorted;
  for (const std::string& record : records) sorted += record;
  return sorted + bytes.substr(whole * SORT_RECORD_SIZE);
}

std::string SortedOnDisk(const TempFolder& folder, const std::string& bytes,
                         FileSort::OrderKey key = nullptr) {
  const std::string path = folder.Write("records", bytes);
  std::atomic<int32_t> progress{0};
  FileSort(path, SORT_RECORD_SIZE, CompareByLengthThenWord, &progress, key).Run();
  return ReadWholeFile(path);
}

// Random valid words with many near-equal spellings: case, accents and marks.
std::vector<SortRecord> RandomRecords(size_t count, uint32_t seed, size_t mostAdded = 5) {
  std::mt19937 random(seed);
  const std::string letters = "abcABC\xE9\xC9";
  const std::string marks = "-' ";
  std::vector<SortRecord> records;
  while (records.size() < count) {
    std::string word(1, letters[random() % letters.size()]);
    for (size_t n = random() % mostAdded; n > 0; --n) {
      if (random() % 4 == 0) word += marks[random() % marks.size()];
      word += letters[random() % letters.size()];
    }
    if (ValidWordLength(word.c_str())) records.push_back(RecordOf(word));
  }
  return records;
}

TEST(SortRecordTest, WordsSitRightAlignedAgainstTheTerminator) {
  EXPECT_EQ(Bytes(RecordOf("cat")), "\x03" + std::string(35, ' ') + "cat" + std::string(1, '\0'));
  EXPECT_EQ(Bytes(RecordOf("o'clock")),
            "\x26" + std::string(31, ' ') + "o'clock" + std::string(1, '\0'));
  EXPECT_EQ(Bytes(RecordOf("  cat ")), Bytes(RecordOf("cat")));
  // 30 letters and 7 marks still leave one space.
  const std::string longest = "a-b-c-d-e-f-g-h" + std::string(22, 'x');
  const SortRecord record = RecordOf(longest);
  EXPECT_EQ(static_cast<uint8_t>(record.bytes[0]), 30 | (7 << 5));
  EXPECT_EQ(record.bytes[1], ' ');
  EXPECT_EQ(RecordWord(record.bytes.data()), longest);
  EXPECT_EQ(RecordLetters(record.bytes.data()), 30);
}

TEST(SortRecordTest, LetterCountComesFirstAndBytesDecideTies) {
  const auto compare = [](const std::string& a, const std::string& b) {
    return CompareRecords(RecordOf(a).bytes.data(), RecordOf(b).bytes.data());
  };
  EXPECT_LT(compare("zz", "aaa"), 0);
  EXPECT_LT(compare("it's", "its"), 0);  // among the three-letter words, the mark decides
  EXPECT_GT(compare("it's", "ire"), 0);
  EXPECT_LT(compare("AB", "ab"), 0);     // equal to the word rules; the bytes order them
  EXPECT_LT(compare("AB", "a-b"), 0);
  EXPECT_LT(compare("a-b", "ab"), 0);
  EXPECT_EQ(compare("ab", "ab"), 0);
}

// The record order and its number key against the rules written out plainly: letter count,
// then the word rules, then the bytes; words long enough to tie on the key's seven letters.
TEST(SortRecordTest, TheOrderAndItsKeyAgreeWithTheRules) {
  const auto sign = [](int value) { return (value > 0) - (value < 0); };
  const std::vector<SortRecord> records = RandomRecords(500, 11, 12);
  for (const SortRecord& a : records) {
    for (const SortRecord& b : records) {
      const char* wordA = RecordWord(a.bytes.data());
      const char* wordB = RecordWord(b.bytes.data());
      int expected = sign(RecordLetters(a.bytes.data()) - RecordLetters(b.bytes.data()));
      if (!expected) expected = sign(CompareWords(wordA, wordB));
      if (!expected) expected = sign(std::strcmp(wordA, wordB));
      ASSERT_EQ(sign(CompareRecords(a.bytes.data(), b.bytes.data())), expected)
          << wordA << " / " << wordB;
      const uint64_t keyA = RecordOrderKey(a.bytes.data());
      const uint64_t keyB = RecordOrderKey(b.bytes.data());
      if (keyA != keyB) {
        ASSERT_EQ(keyA < keyB ? -1 : 1, expected) << wordA << " / " << wordB;
      }
    }
  }
}

// Every order of a set of spellings the word rules hold equal or cyclic sorts to one result
// with every record kept, in memory and on disk.
TEST(SortRecordTest, EveryPermutationOfNearEqualWordsSortsToOneOrder) {
  std::vector<std::string> words = {"AB", "Ab", "a-B", "a-b", "ab"};
  std::string first;
  TempFolder folder;
  do {
    std::vector<SortRecord> records;
    for (int copy = 0; copy < 40; ++copy)
      for (const std::string& word : words) records.push_back(RecordOf(word));
    const std::string sorted = SortedOnDisk(folder, FileOf(records));
    ASSERT_EQ(sorted, SortedInMemory(FileOf(records)));
    if (first.empty()) first = sorted;
    ASSERT_EQ(sorted, first);
  } while (std::next_permutation(words.begin(), words.end()));
  EXPECT_EQ(first.substr(0, SORT_RECORD_SIZE), Bytes(RecordOf("AB")));
}

// With the order key too, which sorts by key first and compares records only where keys tie;
// short words tie on every case and accent variant, long ones also on their first letters.
TEST(FileSortTest, SortsAsStdSortDoesWhateverTheBlocks) {
  TempFolder folder;
  for (const size_t count : {0, 1, 10, 2999, 3000, 3001, 25000}) {
    for (const size_t mostAdded : {5, 14}) {
      SCOPED_TRACE(std::to_string(count) + " records of up to " + std::to_string(mostAdded) +
                   " letters");
      const std::string bytes =
          FileOf(RandomRecords(count, static_cast<uint32_t>(count), mostAdded));
      const std::string expected = SortedInMemory(bytes);
      EXPECT_EQ(SortedOnDisk(folder, bytes), expected);
      EXPECT_EQ(SortedOnDisk(folder, bytes, RecordOrderKey), expected);
    }
  }
}

TEST(FileSortTest, APartialLastRecordStaysAtTheEnd) {
  TempFolder folder;
  const std::string bytes = FileOf(RandomRecords(3001, 7)) + "partial";
  const std::string sorted = SortedOnDisk(folder, bytes);
  EXPECT_EQ(sorted, SortedInMemory(bytes));
  EXPECT_TRUE(sorted.ends_with("partial"));
}

// Two blocks, each sorted, the higher one first: an aligned pass alone finds nothing to change.
TEST(FileSortTest, TwoSortedBlocksInReverseOrderEndSorted) {
  TempFolder folder;
  const std::string sorted = SortedInMemory(FileOf(RandomRecords(6000, 3)));
  const size_t half = 3000 * SORT_RECORD_SIZE;
  const std::string swapped = sorted.substr(half) + sorted.substr(0, half);
  EXPECT_EQ(SortedOnDisk(folder, swapped), sorted);
}

TEST(FileSortTest, ProgressStartsAtZeroAndStaysBelowAHundred) {
  TempFolder folder;
  std::vector<SortRecord> records;
  for (const char* word : {"j", "i", "h", "g", "f", "e", "d", "c", "b", "a"})
    records.push_back(RecordOf(word));
  const std::string path = folder.Write("ten", FileOf(records));
  std::atomic<int32_t> progress{-1};
  FileSort(path, SORT_RECORD_SIZE, CompareByLengthThenWord, &progress).Run();
  EXPECT_EQ(progress.load(), 50);  // the second pass pair finds them in order
  EXPECT_EQ(RecordWord(ReadWholeFile(path).data()), std::string("a"));
}

TEST(FileSortTest, AMissingFileCannotBeOpened) {
  std::atomic<int32_t> progress{0};
  EXPECT_THROW(FileSort("/nonexistent/records", SORT_RECORD_SIZE, CompareByLengthThenWord,
                        &progress),
               SorvaneException);
}

TEST(StringHandlerTest, AFileShorterThanARecordHoldsNone) {
  TempFolder folder;
  const std::string input = folder.Write("short", std::string(39, ' '));
  StringHandler::Output* output = nullptr;
  StringHandler handler(input, folder / "out", &output);
  EXPECT_FALSE(handler.HasRecord());
  ASSERT_NE(output, nullptr);  // the first handler of a step made the output
  StringHandler::CloseOutput(&output);
  EXPECT_EQ(output, nullptr);
  EXPECT_EQ(ReadWholeFile(folder / "out"), "");
}

TEST(StringHandlerTest, WritesTheCurrentRecordToTheSharedOutput) {
  TempFolder folder;
  const std::string a = folder.Write("a", Bytes(RecordOf("ox")) + Bytes(RecordOf("cat")));
  const std::string b = folder.Write("b", Bytes(RecordOf("ape")));
  StringHandler::Output* output = nullptr;
  StringHandler first(a, folder / "out", &output);
  StringHandler::Output* const shared = output;
  StringHandler second(b, folder / "out", &output);
  EXPECT_EQ(output, shared);
  EXPECT_TRUE(StringHandler::Less(first, second));
  first.WriteRecord();
  ASSERT_TRUE(first.ReadRecord());
  EXPECT_TRUE(StringHandler::Less(second, first));
  second.WriteRecord();
  EXPECT_FALSE(second.ReadRecord());
  first.Close();
  EXPECT_EQ(ReadWholeFile(folder / "out"), Bytes(RecordOf("ox")) + Bytes(RecordOf("ape")));
}

}  // namespace
