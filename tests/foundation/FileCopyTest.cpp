#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <set>

#include "foundation/FileCopy.h"
#include "foundation/SorvaneException.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedFileSys.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// Answers EXDEV when the source is renamed, as if it lay on another file system; other calls
// go to the real file system unless told to fail.
class CrossDeviceFileSys : public FileSys {
 public:
  explicit CrossDeviceFileSys(std::string renamed) : source(std::move(renamed)) {}
  int Rename(const std::string& from, const std::string& to) override {
    if (from == source) return EXDEV;
    if (failOtherRenames) return EACCES;
    return FileSys::Rename(from, to);
  }
  bool failOtherRenames = false;

 private:
  std::string source;
};

std::string Pattern(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7919) >> 3);
  return bytes;
}

std::set<std::string> Names(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

std::string CopyError(const std::string& source, const std::string& destination) {
  try {
    CopyFileContents(source, destination);
  } catch (const SorvaneException& error) {
    return error.what();
  }
  return "";
}

class FileCopyTest : public ::testing::Test {
 protected:
  TempFolder folder;
};

TEST_F(FileCopyTest, CopiesEmptyOneByteAndMultiBlockFiles) {
  for (size_t size : {size_t{0}, size_t{1}, size_t{20480}, size_t{20481}, size_t{1} << 20}) {
    const std::string bytes = Pattern(size);
    const std::string source = folder.Write("source", bytes);
    CopyFileContents(source, folder / "copy");
    EXPECT_EQ(ReadWholeFile(folder / "copy"), bytes) << size;
  }
}

TEST_F(FileCopyTest, CopyReplacesAnExistingDestination) {
  const std::string source = folder.Write("source", "short");
  const std::string destination = folder.Write("copy", "a much longer old content");
  CopyFileContents(source, destination);
  EXPECT_EQ(ReadWholeFile(destination), "short");
}

TEST_F(FileCopyTest, MissingSourceLeavesNoDestination) {
  const std::string source = folder / "absent.lex";
  EXPECT_EQ(CopyError(source, folder / "copy.lex"), "Unable to Open File " + source);
  EXPECT_FALSE(fs::exists(folder / "copy.lex"));
}

TEST_F(FileCopyTest, UnopenableDestinationIsReported) {
  const std::string source = folder.Write("source", "x");
  const std::string destination = folder / "no/such/folder/copy";
  EXPECT_EQ(CopyError(source, destination), "Unable to Open File " + destination);
}

TEST_F(FileCopyTest, UnreadableSourceLeavesNoDestination) {
  fs::create_directory(folder / "folder");
  // A folder is no file to read: it is refused as it is opened.
  EXPECT_EQ(CopyError(folder / "folder", folder / "copy"),
            "Unable to Open File " + folder / "folder");
  EXPECT_FALSE(fs::exists(folder / "copy"));
}

TEST_F(FileCopyTest, FailingWriteLeavesNothing) {
  const std::string source = folder.Write("source", Pattern(100000));
  const std::string destination = folder / "copy";
  {
    FileSizeLimit limit(30000);
    EXPECT_EQ(CopyError(source, destination), "Unable to Write File " + destination);
  }
  EXPECT_FALSE(fs::exists(destination));
  EXPECT_EQ(ReadWholeFile(source), Pattern(100000));
}

TEST_F(FileCopyTest, FailingFlushOfTheLastBlockIsReported) {
  // Writes to the full device succeed into the stream buffer and fail only when flushed.
  const std::string source = folder.Write("source", "tiny");
  const std::string link = folder / "full";
  fs::create_symlink("/dev/full", link);
  EXPECT_EQ(CopyError(source, link), "Unable to Write File " + link);
  EXPECT_FALSE(fs::exists(fs::symlink_status(link)));
  EXPECT_TRUE(fs::exists("/dev/full"));
}

TEST_F(FileCopyTest, CopyOntoItselfKeepsTheFile) {
  const std::string source = folder.Write("source", "keep me");
  CopyFileContents(source, source);
  EXPECT_EQ(ReadWholeFile(source), "keep me");
}

TEST_F(FileCopyTest, MoveOnOneFileSystemRenamesOverTheDestination) {
  const std::string source = folder.Write("$$1", "new words");
  const std::string destination = folder.Write("words.lex", "old words");
  EXPECT_EQ(MoveFileAcrossDrives(source, destination), 0);
  EXPECT_FALSE(fs::exists(source));
  EXPECT_EQ(ReadWholeFile(destination), "new words");
}

TEST_F(FileCopyTest, FailedRenameLeavesBothFiles) {
  const std::string destination = folder.Write("words.lex", "old words");
  EXPECT_EQ(MoveFileAcrossDrives(folder / "absent", destination), -1);
  EXPECT_EQ(ReadWholeFile(destination), "old words");
}

// The source lies "on another file system" than the Lexicons folder.
class CrossDeviceMoveTest : public FileCopyTest {
 protected:
  void SetUp() override { fs::create_directory(folder / "Lexicons"); }
  std::set<std::string> LexiconsFolder() const { return Names(folder / "Lexicons"); }

  const std::string source = folder / "$$1";
  const std::string destination = folder / "Lexicons/words.lex";
  CrossDeviceFileSys fileSys{source};
  ScopedFileSys scope{fileSys};
};

TEST_F(CrossDeviceMoveTest, CopiesThenRemovesTheSource) {
  folder.Write("$$1", Pattern(50000));
  folder.Write("Lexicons/words.lex", "old words");
  EXPECT_EQ(MoveFileAcrossDrives(source, destination), 0);
  EXPECT_FALSE(fs::exists(source));
  EXPECT_EQ(ReadWholeFile(destination), Pattern(50000));
  EXPECT_EQ(LexiconsFolder(), std::set<std::string>{"words.lex"});
}

TEST_F(CrossDeviceMoveTest, FailingWriteLosesNothing) {
  folder.Write("$$1", Pattern(100000));
  folder.Write("Lexicons/words.lex", "old words");
  {
    FileSizeLimit limit(30000);
    EXPECT_EQ(MoveFileAcrossDrives(source, destination), -1);
  }
  EXPECT_EQ(ReadWholeFile(source), Pattern(100000));
  EXPECT_EQ(ReadWholeFile(destination), "old words");
  EXPECT_EQ(LexiconsFolder(), std::set<std::string>{"words.lex"});
}

TEST_F(CrossDeviceMoveTest, FailingSwapLosesNothing) {
  folder.Write("$$1", "new words");
  folder.Write("Lexicons/words.lex", "old words");
  fileSys.failOtherRenames = true;
  EXPECT_EQ(MoveFileAcrossDrives(source, destination), -1);
  EXPECT_EQ(ReadWholeFile(source), "new words");
  EXPECT_EQ(ReadWholeFile(destination), "old words");
  EXPECT_EQ(LexiconsFolder(), std::set<std::string>{"words.lex"});
}

TEST_F(CrossDeviceMoveTest, MissingSourceCreatesNothing) {
  EXPECT_EQ(MoveFileAcrossDrives(source, destination), -1);
  EXPECT_TRUE(LexiconsFolder().empty());
}

TEST_F(CrossDeviceMoveTest, UndeletableSourceKeepsBoth) {
  folder.Write("$$1", "new words");
  ASSERT_EQ(::chmod(source.c_str(), 0444), 0);
  EXPECT_EQ(MoveFileAcrossDrives(source, destination), -1);
  EXPECT_EQ(ReadWholeFile(source), "new words");
  EXPECT_EQ(ReadWholeFile(destination), "new words");
}

TEST_F(FileCopyTest, MoveBetweenRealFileSystems) {
  std::string other = "/dev/shm/sorvane-move-XXXXXX";
  if (!fs::is_directory("/dev/shm") || !::mkdtemp(other.data()))
    GTEST_SKIP() << "no second file system";
  struct stat here, there;
  ::stat(folder.Path().c_str(), &here);
  ::stat(other.c_str(), &there);
  if (here.st_dev == there.st_dev) {
    fs::remove_all(other);
    GTEST_SKIP() << "/dev/shm is on the same file system";
  }
  const std::string source = other + "/$$1";
  fs::copy_file(folder.Write("bytes", Pattern(30000)), source);
  EXPECT_EQ(MoveFileAcrossDrives(source, folder / "words.lex"), 0);
  EXPECT_FALSE(fs::exists(source));
  EXPECT_EQ(ReadWholeFile(folder / "words.lex"), Pattern(30000));
  fs::remove_all(other);
}

}  // namespace
