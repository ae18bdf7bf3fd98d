#include "foundation/CopyFileThread.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "platform/ScriptedHost.h"
#include "support/TempFolder.h"

namespace {

// Bytes that differ from block to block, so a skipped or repeated block shows.
std::string PatternBytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return bytes;
}

class CopyFileThreads : public ::testing::Test {
 protected:
  ScriptedHost host;
  ScopedHost scope{host};
  TempFolder folder;
};

TEST_F(CopyFileThreads, CopiesByteForByteAroundTheBlockSize) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{20479}, size_t{20480}, size_t{20481},
                      size_t{3 * 20480 + 5}}) {
    const std::string bytes = PatternBytes(size);
    const std::string source = folder.Write("in.kvq", bytes);
    EXPECT_TRUE(ShowCopyProgress(source, folder / "out.kvq")) << size;
    EXPECT_EQ(ReadWholeFile(folder / "out.kvq"), bytes) << size;
  }
  EXPECT_TRUE(host.Boxes().empty());
  ASSERT_FALSE(host.Jobs().empty());
  EXPECT_EQ(host.Jobs()[0].message, "Copying File");
  EXPECT_FALSE(host.Jobs()[0].showCancel);
}

TEST_F(CopyFileThreads, ProgressRunsOneByteAheadAndStaysZeroForAnEmptyFile) {
  // (length + 1) x 100 / length for a file shorter than a block; may pass 100.
  const std::vector<std::pair<size_t, int32_t>> cases = {{1, 200}, {3, 133}, {20480, 100}, {0, 0}};
  for (const auto& [size, expected] : cases) {
    CopyFileThread job(folder.Write("in", PatternBytes(size)), folder / "out");
    job.Worker().Resume();
    job.Worker().WaitFor();
    EXPECT_EQ(job.GetProgress(), expected) << size;
    EXPECT_EQ(job.GetResult(), 0);
  }
}

TEST_F(CopyFileThreads, ProgressOfALargeFileStaysWithinTheBarThroughout) {
  // Past 21,474,836 bytes a 32-bit counter x 100 would overflow.
  const size_t size = 21'474'836 + 20480 * 3;
  const std::string source = folder / "big";
  std::filesystem::resize_file(folder.Write("big", ""), size);
  CopyFileThread job(source, folder / "big.copy");
  int32_t last = 0;
  while (!job.Terminated()) {
    job.Worker().Step();
    const int32_t progress = job.GetProgress();
    ASSERT_GE(progress, last);
    ASSERT_LE(progress, 100);
    last = progress;
  }
  EXPECT_EQ(last, 100);
  EXPECT_EQ(std::filesystem::file_size(folder / "big.copy"), size);
}

TEST_F(CopyFileThreads, AnExistingDestinationIsReplaced) {
  const std::string destination = folder.Write("out", PatternBytes(50000));
  EXPECT_TRUE(ShowCopyProgress(folder.Write("in", "abc"), destination));
  EXPECT_EQ(ReadWholeFile(destination), "abc");
}

TEST_F(CopyFileThreads, AMissingSourceFailsAndLeavesTheDestinationUntouched) {
  const std::string destination = folder.Write("out", "precious");
  EXPECT_FALSE(ShowCopyProgress(folder / "missing", destination));
  EXPECT_EQ(ReadWholeFile(destination), "precious");
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Unable to Open File " + folder / "missing");
  EXPECT_EQ(boxes[0].caption, "Error");
}

TEST_F(CopyFileThreads, AFailedWriteIsAFailureNotASuccess) {
  // /dev/full refuses every write; a one-byte source fails only when the stream is flushed.
  for (size_t size : {size_t{1}, size_t{50000}}) {
    host.Clear();
    std::string failure;
    EXPECT_FALSE(ShowCopyProgress(folder.Write("in", PatternBytes(size)), "/dev/full", &failure));
    EXPECT_EQ(failure, "Unable to Write File /dev/full") << size;
    EXPECT_TRUE(host.Boxes().empty());  // left to the caller to report
    EXPECT_TRUE(std::filesystem::exists("/dev/full"));
  }
}

TEST_F(CopyFileThreads, AnUnwritableDestinationFailsWithItsName) {
  const std::string destination = folder / "no-such-folder/out";
  EXPECT_FALSE(ShowCopyProgress(folder.Write("in", "abc"), destination));
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].text, "Unable to Open File " + destination);
}

}  // namespace
