#include "lookup/LineSearch.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "lookup/InMemoryStream.h"
#include "lookup/WordNetLock.h"
#include "support/TempFolder.h"

extern "C" char* bin_search(char* key, FILE* stream);
extern "C" long last_bin_search_offset;

namespace {

struct FileCloser {
  void operator()(FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<FILE, FileCloser>;

// What a search gives its caller: the line (or none), the line's offset, the stream's place.
std::string Search(const std::string& key, FILE* stream) {
  std::string copy = key;
  const char* found = bin_search(copy.data(), stream);
  return std::string(found ? found : "none") + "@" + std::to_string(last_bin_search_offset) + "@" +
         std::to_string(std::ftell(stream));
}

// The search over bytes in memory, asked twice (the second answer is remembered), ends exactly
// as the search through the stream for every key of the file and keys before, between and after
// them: past header lines beginning with a blank, at the first and last lines, and at a last
// line without its line end.
TEST(LineSearchTest, MemoryEndsAsTheStreamDoes) {
  TempFolder folder;
  std::string text;
  for (int i = 1; i < 30; ++i) text += "  " + std::to_string(i) + " licence line\n";
  std::vector<std::string> keys = {"", "a", "k0", "k999", "zz", "zz last", "zzz", "\xff"};
  for (int i = 100; i < 400; i += 3) {
    text += "k" + std::to_string(i) + " n " + std::string(i % 7, 'x') + "\n";
    keys.push_back("k" + std::to_string(i));
    keys.push_back("k" + std::to_string(i + 1));
  }
  text += "zz last";
  File onDisk(std::fopen(folder.Write("index", text).c_str(), "r"));
  File forMemory(std::fopen(folder.Write("copy", text).c_str(), "r"));
  ASSERT_TRUE(onDisk && forMemory);
  static std::optional<InMemoryStream> memory;  // registered for the rest of the process
  memory = InMemoryStream::Over(forMemory.get());
  ASSERT_TRUE(memory);
  std::lock_guard lock(WordNetLock());
  SearchLinesInMemory(memory->Stream(), memory->Bytes());
  for (const std::string& key : keys) {
    const std::string expected = Search(key, onDisk.get());
    EXPECT_EQ(Search(key, memory->Stream()), expected) << key;
    EXPECT_EQ(Search(key, memory->Stream()), expected) << key;
  }
  // Every line's first word is found, the first past the header too.
  for (int i = 100; i < 400; i += 3)
    EXPECT_EQ(Search("k" + std::to_string(i), memory->Stream()).substr(0, 5),
              "k" + std::to_string(i) + " ");
}

}  // namespace
