#include <fcntl.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "platform/MappedFile.h"
#include "support/TempFolder.h"

namespace {

std::optional<MappedFile> MapPath(const std::string& path, uint8_t endByte) {
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return std::nullopt;
  const auto length = static_cast<size_t>(std::filesystem::file_size(path));
  std::optional<MappedFile> mapped = MappedFile::Map(fd, length, endByte);
  close(fd);  // the mapping outlives the descriptor
  return mapped;
}

std::string Text(const MappedFile& file, size_t from, size_t count) {
  return std::string(reinterpret_cast<const char*>(file.Data()) + from, count);
}

TEST(MappedFileTest, HoldsTheFileThenTheEndByteWhateverItsLength) {
  TempFolder folder;
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  for (const size_t length : {size_t{0}, size_t{1}, page - 1, page, 3 * page + 5}) {
    std::string bytes(length, 'x');
    for (size_t i = 0; i < length; ++i) bytes[i] = static_cast<char>('a' + i % 26);
    const std::string path = folder.Write(std::string("f").append(std::to_string(length)), bytes);
    std::optional<MappedFile> mapped = MapPath(path, 0xFF);
    ASSERT_TRUE(mapped) << length;
    EXPECT_EQ(mapped->Size(), length);
    EXPECT_EQ(Text(*mapped, 0, length), bytes);
    EXPECT_EQ(mapped->Data()[length], 0xFF) << length;
    EXPECT_EQ(ReadWholeFile(path), bytes) << "the end byte never reaches the file";
  }
}

TEST(MappedFileTest, MovingHandsTheMappingOn) {
  TempFolder folder;
  std::optional<MappedFile> mapped = MapPath(folder.Write("f", "abc"), 0);
  ASSERT_TRUE(mapped);
  MappedFile moved = std::move(*mapped);
  EXPECT_EQ(mapped->Data(), nullptr);
  EXPECT_EQ(Text(moved, 0, 3), "abc");
  std::optional<MappedFile> other = MapPath(folder.Write("g", "de"), 0);
  ASSERT_TRUE(other);
  moved = std::move(*other);
  EXPECT_EQ(Text(moved, 0, 2), "de");
}

// Reading past the end of a file that was cut short under the mapping would kill the process;
// the pages the file no longer reaches read as end bytes instead.
TEST(MappedFileTest, PagesAFileNoLongerReachesReadAsEndBytes) {
  TempFolder folder;
  const size_t page = static_cast<size_t>(sysconf(_SC_PAGESIZE));
  const std::string path = folder.Write("f", std::string(4 * page, 'w'));
  std::optional<MappedFile> mapped = MapPath(path, 0xFF);
  ASSERT_TRUE(mapped);
  std::filesystem::resize_file(path, page);
  EXPECT_EQ(mapped->Data()[page - 1], 'w');
  for (size_t at = page; at < 4 * page; at += 997) EXPECT_EQ(mapped->Data()[at], 0xFF) << at;
  EXPECT_EQ(mapped->Data()[4 * page], 0xFF);
}

}  // namespace
