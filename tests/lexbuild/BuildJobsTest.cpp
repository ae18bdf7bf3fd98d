// The chop-and-sort and merge jobs on their own: chunks, runs and the merge's progress total.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>

#include "foundation/FolderPaths.h"
#include "foundation/ProgressDialog.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/ChopAndSortThread.h"
#include "lexbuild/FileSort.h"
#include "lexbuild/MergeFilesThread.h"
#include "lexbuild/SortRecord.h"
#include "platform/ScriptedHost.h"
#include "support/FileSizeLimit.h"
#include "support/TestSettings.h"

namespace {

namespace fs = std::filesystem;

std::string NumberedWord(size_t i) {
  std::string word;
  for (size_t n = i; word.empty() || n > 0; n /= 26) word += static_cast<char>('a' + n % 26);
  return word;
}

// One word a line; a suffix makes the list longer, so that it is read in more batches.
std::string NumberedWords(size_t count, const std::string& suffix = "") {
  std::string text;
  for (size_t i = 0; i < count; ++i) text += NumberedWord(i) + suffix + "\n";
  return text;
}

class BuildJobsTest : public ::testing::Test {
 protected:
  BuildJobsTest() : scope_(host_) {}

  TestSettings settings_;
  ScriptedHost host_;
  ScopedHost scope_;
};

// Chunks of 3,000 records (an empty last one after a multiple of 3,000), each sorted; the merge
// writes every record, and its total is what it writes unless an empty chunk adds a step.
TEST_F(BuildJobsTest, ChunksRunsAndTheMergeTotal) {
  struct Case {
    size_t words;
    size_t chunks;
    uint64_t total;
    int32_t finalProgress;
  };
  for (const Case c : {Case{1, 1, 1, 0}, Case{2999, 1, 2999, 0}, Case{3000, 2, 3000, 100},
                       Case{3001, 2, 3001, 100}, Case{15000, 6, 15000, 200},
                       Case{20000, 7, 35000, 100}}) {
    SCOPED_TRACE(c.words);
    const std::string list = settings_.Root().Write("list.txt", NumberedWords(c.words));
    std::vector<std::string> chunks;
    uint32_t wordCount = 0;
    {
      auto job = std::make_unique<ChopAndSortThread>(list, &chunks);
      const ChopAndSortThread& chop = *job;
      ProgressDialog dialog(nullptr, std::move(job));
      dialog.Start();
      ASSERT_EQ(dialog.GetResult(), 0);
      wordCount = chop.WordCount();
    }
    EXPECT_EQ(wordCount, c.words);
    ASSERT_EQ(chunks.size(), c.chunks);
    for (size_t i = 0; i < chunks.size(); ++i) {
      const std::string bytes = ReadWholeFile(chunks[i]);
      const size_t expected = std::min<size_t>(3000, c.words - i * 3000);
      ASSERT_EQ(bytes.size(), expected * SORT_RECORD_SIZE);
      for (size_t r = 1; r < expected; ++r)
        ASSERT_LE(CompareRecords(&bytes[(r - 1) * SORT_RECORD_SIZE], &bytes[r * SORT_RECORD_SIZE]), 0);
    }
    EXPECT_EQ(MergeFilesThread::ComputeTotal(wordCount), c.total);

    const std::string sorted = ClaimTempFilePath("");
    {
      auto job = std::make_unique<MergeFilesThread>(&chunks, wordCount, sorted);
      MergeFilesThread& merge = *job;
      ProgressDialog dialog(nullptr, std::move(job));
      dialog.Start();
      ASSERT_EQ(dialog.GetResult(), 0);
      EXPECT_EQ(merge.GetProgress(), c.finalProgress);
    }
    for (const std::string& chunk : chunks) EXPECT_FALSE(fs::exists(chunk));
    const std::string bytes = ReadWholeFile(sorted);
    ASSERT_EQ(bytes.size(), c.words * SORT_RECORD_SIZE);
    for (size_t r = 1; r < c.words; ++r)
      ASSERT_LT(CompareRecords(&bytes[(r - 1) * SORT_RECORD_SIZE], &bytes[r * SORT_RECORD_SIZE]), 0);
    fs::remove(sorted);
  }
  EXPECT_EQ(MergeFilesThread::ComputeTotal(0), 1u);
}

TEST_F(BuildJobsTest, ACancelledChopDeletesItsChunks) {
  const std::string list = settings_.Root().Write("list.txt", NumberedWords(7000, "qwertyuiop"));
  std::vector<std::string> chunks;
  host_.CancelJobAt(40);  // in the second chunk
  {
    ProgressDialog dialog(nullptr, std::make_unique<ChopAndSortThread>(list, &chunks));
    dialog.Start();
    EXPECT_TRUE(dialog.WasCancelled());
  }
  EXPECT_GE(chunks.size(), 2u);
  for (const std::string& chunk : chunks) EXPECT_FALSE(fs::exists(chunk));
}

TEST_F(BuildJobsTest, ASortedBlockThatCannotBeWrittenBackIsAnError) {
  std::string bytes;
  for (const std::string word : {"zebra", "ox", "cat"}) {
    const SortRecord record = MakeSortRecord(word, static_cast<int>(word.size()), 0);
    bytes.append(record.bytes.data(), SORT_RECORD_SIZE);
  }
  const std::string path = settings_.Root().Write("records", bytes);
  std::atomic<int32_t> progress{0};
  FileSizeLimit limit(SORT_RECORD_SIZE);
  FileSort sort(path, SORT_RECORD_SIZE, CompareByLengthThenWord, &progress);
  EXPECT_THROW(sort.Run(), SorvaneException);
}

// Helper threads find the words of each batch read and sort each chunk: chunk i still holds the
// list's words 3,000 i to 3,000 i + 2,999, in order.
TEST_F(BuildJobsTest, ChopThreadsDealTheWordsIntoChunksInListOrder) {
  constexpr size_t kWords = 40000;
  const std::string list = settings_.Root().Write("list.txt", NumberedWords(kWords, "x"));
  std::vector<std::string> chunks;
  {
    ProgressDialog dialog(nullptr, std::make_unique<ChopAndSortThread>(list, &chunks));
    dialog.Start();
    ASSERT_EQ(dialog.GetResult(), 0);
  }
  ASSERT_EQ(chunks.size(), (kWords + 2999) / 3000);
  for (size_t i = 0; i < chunks.size(); ++i) {
    std::vector<SortRecord> expected;
    for (size_t w = i * 3000; w < std::min(kWords, (i + 1) * 3000); ++w) {
      const std::string word = NumberedWord(w) + "x";
      expected.push_back(MakeSortRecord(word, static_cast<int>(word.size()), 0));
    }
    std::sort(expected.begin(), expected.end(), [](const SortRecord& a, const SortRecord& b) {
      return CompareRecords(a.bytes.data(), b.bytes.data()) < 0;
    });
    const std::string bytes = ReadWholeFile(chunks[i]);
    EXPECT_EQ(bytes, std::string(reinterpret_cast<const char*>(expected.data()),
                                 expected.size() * SORT_RECORD_SIZE));
    fs::remove(chunks[i]);
  }
}

}  // namespace
