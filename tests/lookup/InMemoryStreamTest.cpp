#include "lookup/InMemoryStream.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "lookup/WNInterface.h"
#include "lookup/WordNetLibrary.h"
#include "lookup/WordNetLock.h"
#include "lookup/WordNetTestData.h"
#include "support/TempFolder.h"

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// Reads the line starting at offset the way the library's searches do: seek, then fgets.
std::string LineAt(FILE* file, long offset) {
  char line[64] = {};
  if (std::fseek(file, offset, SEEK_SET) != 0 || !std::fgets(line, sizeof line, file)) return "?";
  return line;
}

TEST(InMemoryStreamTest, ReadsSeeksAndEndsAsTheFileDoes) {
  TempFolder folder;
  std::string text;
  for (int i = 0; i < 500; ++i) text += "word" + std::to_string(i) + " n 1\n";  // past a buffer
  const std::string path = folder.Write("index", text);
  File file(std::fopen(path.c_str(), "r"));
  ASSERT_TRUE(file);
  std::fgetc(file.get());
  auto memory = InMemoryStream::Over(file.get());
  ASSERT_TRUE(memory);
  EXPECT_EQ(std::ftell(file.get()), 1);  // the library's stream is left where it was
  FILE* stream = memory->Stream();
  ASSERT_EQ(std::fseek(stream, 0, SEEK_END), 0);
  EXPECT_EQ(std::ftell(stream), static_cast<long>(text.size()));
  EXPECT_EQ(std::fgetc(stream), EOF);
  for (long offset : {0L, 5L, 4000L, static_cast<long>(text.size()) - 4})
    EXPECT_EQ(LineAt(stream, offset), LineAt(file.get(), offset)) << offset;
}

TEST(InMemoryStreamTest, StreamsThatAreNoFileOrEmptyAreLeftAlone) {
  EXPECT_FALSE(InMemoryStream::Over(nullptr));
  int ends[2];
  ASSERT_EQ(pipe(ends), 0);
  File pipeEnd(fdopen(ends[0], "r"));
  close(ends[1]);
  EXPECT_FALSE(InMemoryStream::Over(pipeEnd.get()));
  TempFolder folder;
  const std::string path = folder.Write("empty", "");
  File empty(std::fopen(path.c_str(), "r"));
  EXPECT_FALSE(InMemoryStream::Over(empty.get()));
}

// The library's answers read from memory are those read through its own streams.
TEST(InMemoryStreamTest, DictionaryAnswersAreTheSameFromMemory) {
  const WNInterface starter(DictionaryFolder());
  WordNetLibrary& library = WordNetLibrary::Current();
  const auto answers = [&library] {
    std::string all;
    for (const char* word : {"dog", "ice_cream", "good", "run", "xyzzyqx", "zymurgy"})
      for (int pos = 1; pos <= 4; ++pos) {
        all += std::to_string(library.IsDefined(word, pos));
        for (int type : {31, 2, 3, 12, 23}) all += library.FindTheInfo(word, pos, type);
        all += std::to_string(library.PrintedSenseCount());
      }
    return all;
  };
  std::lock_guard lock(WordNetLock());
  const std::string fromMemory = answers();
  WordNetLibrary::SetFilesInMemory(false);
  const std::string fromFiles = answers();
  WordNetLibrary::SetFilesInMemory(true);
  EXPECT_GT(fromMemory.size(), 10000u);
  EXPECT_EQ(fromMemory, fromFiles);
}

}  // namespace
