#include "foundation/File.h"

#include <gtest/gtest.h>

#include <cstring>

#include "foundation/SorvaneException.h"
#include "support/TempFolder.h"

namespace {

std::string OpenError(File& file, const std::string& name, const std::string& mode) {
  try {
    file.Open(name, mode, 2048);
  } catch (const SorvaneException& error) {
    return error.what();
  }
  return "";
}

class FileTest : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(FileTest, SecondOpenNamesTheNewFileAndKeepsTheFirstStream) {
  const std::string first = folder.Write("first", "abcdef");
  const std::string second = folder.Write("second", "x");
  File file;
  file.Open(first, "rb", 2048);
  EXPECT_EQ(OpenError(file, second, "rb"), "File Already Open " + second);

  EXPECT_EQ(file.name, first);
  char bytes[3] = {};
  ASSERT_EQ(std::fread(bytes, 1, 3, file.handle), 3u);
  EXPECT_EQ(std::memcmp(bytes, "abc", 3), 0);
}

TEST_F(FileTest, FailedOpenLeavesTheObjectClosedAndReusable) {
  File file;
  const std::string missing = folder / "missing.lex";
  EXPECT_EQ(OpenError(file, missing, "rb"), "Unable to Open File " + missing);
  const std::string noFolder = folder / "no/such/folder/out.lex";
  EXPECT_EQ(OpenError(file, noFolder, "wb"), "Unable to Open File " + noFolder);
  EXPECT_EQ(file.handle, nullptr);
  EXPECT_EQ(file.name, "");

  const std::string good = folder.Write("good", "ok");
  file.Open(good, "rb", 5120);
  EXPECT_NE(file.handle, nullptr);
  EXPECT_EQ(file.name, good);
}

TEST_F(FileTest, CreateNeverOpensAFileThatExists) {
  const std::string taken = folder.Write("taken", "theirs");
  File file;
  EXPECT_FALSE(file.Create(taken, 2048));
  EXPECT_EQ(file.handle, nullptr);
  EXPECT_EQ(ReadWholeFile(taken), "theirs");

  const std::string fresh = folder / "fresh";
  ASSERT_TRUE(file.Create(fresh, 2048));
  EXPECT_EQ(file.name, fresh);
  ASSERT_EQ(std::fwrite("ab", 1, 2, file.handle), 2u);
  file.Close();
  EXPECT_EQ(ReadWholeFile(fresh), "ab");

  const std::string noFolder = folder / "no/such/folder/out";
  EXPECT_THROW(file.Create(noFolder, 2048), SorvaneException);
}

TEST_F(FileTest, LengthKeepsThePosition) {
  File file;
  file.Open(folder.Write("data", std::string(10000, 'z')), "rb", 1024);
  ASSERT_EQ(std::fseek(file.handle, 1234, SEEK_SET), 0);
  EXPECT_EQ(file.Length(), 10000);
  EXPECT_EQ(std::ftell(file.handle), 1234);
}

TEST_F(FileTest, DestroyingAnOpenFileClosesItsStream) {
  const std::string path = folder / "written";
  {
    File file;
    file.Open(path, "wb", 2048);
    std::fputs("buffered", file.handle);
  }
  EXPECT_EQ(ReadWholeFile(path), "buffered");  // flushed by the close
  File closed;
  closed.Close();  // closing a closed file does nothing
  EXPECT_EQ(closed.handle, nullptr);
}

TEST_F(FileTest, CloseCheckedReportsAWriteThatFailed) {
  File file;
  file.Open("/dev/full", "wb", 2048);
  std::fputs("lost", file.handle);
  EXPECT_FALSE(file.CloseChecked());
  EXPECT_EQ(file.handle, nullptr);

  file.Open(folder / "fine", "wb", 2048);
  std::fputs("kept", file.handle);
  EXPECT_TRUE(file.CloseChecked());
}

}  // namespace
