#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "foundation/FileOps.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedFileSys.h"
#include "support/TempFolder.h"

namespace {

bool Exists(const std::string& path) { return std::filesystem::exists(path); }

// Fails every rename, as a folder the user may not change would.
class RenameRefusingFileSys : public FileSys {
 public:
  int Rename(const std::string&, const std::string&) override { return EACCES; }
};

// A file system without hard links: a backup kept beside its file is a copy.
class LinklessFileSys : public FileSys {
 public:
  int Link(const std::string&, const std::string&) override { return EPERM; }
};

// Another process makes the folder between the check and the make.
class LosingMakeDirectoryRace : public FileSys {
 public:
  bool MakeDirectory(const std::string& path) override {
    FileSys::MakeDirectory(path);
    return false;
  }
};

class FileOpsTest : public ::testing::Test {
 protected:
  // The one box shown so far was this error box.
  void ExpectOneErrorBox(const std::string& text, const std::string& caption) {
    const auto boxes = host.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, text);
    EXPECT_EQ(boxes[0].caption, caption);
    EXPECT_EQ(boxes[0].flags, MB_OK | MB_ICONERROR);
  }

  TempFolder folder;
  ScriptedHost host;
  ScopedHost hostScope{host};
};

TEST_F(FileOpsTest, BackupRenamesTheFileAndReplacesAnOldBackup) {
  const std::string lexicon = folder.Write("words.lex", "new");
  folder.Write("words.lxb", "old");
  EXPECT_TRUE(BackupFile(lexicon));
  EXPECT_FALSE(Exists(lexicon));
  EXPECT_EQ(ReadWholeFile(folder / "words.lxb"), "new");
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(FileOpsTest, BackupOfAMissingFileChangesNothing) {
  EXPECT_TRUE(BackupFile(folder / "absent.lex"));
  EXPECT_FALSE(Exists(folder / "absent.lxb"));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(FileOpsTest, BackupWithAReadOnlyOldBackupShowsTheDeleteBox) {
  const std::string lexicon = folder.Write("words.lex", "live");
  const std::string oldBackup = folder.Write("words.lxb", "old");
  ASSERT_EQ(::chmod(oldBackup.c_str(), 0444), 0);

  EXPECT_FALSE(BackupFile(lexicon));
  EXPECT_EQ(ReadWholeFile(lexicon), "live");
  EXPECT_EQ(ReadWholeFile(oldBackup), "old");
  ExpectOneErrorBox("Sorvane was unable to delete this file: \n" + oldBackup, "File Error.");
}

TEST_F(FileOpsTest, BackupThatCannotRenameShowsTheRenameBox) {
  const std::string lexicon = folder.Write("words.lex", "live");
  RenameRefusingFileSys fileSys;
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(BackupFile(lexicon));
  EXPECT_EQ(ReadWholeFile(lexicon), "live");
  ExpectOneErrorBox("Sorvane could not rename this file: \n" + lexicon, "File Error.");
}

TEST_F(FileOpsTest, ABackupCopyOntoAFullDiskSaysWritingFailed) {
  const std::string lexicon = folder.Write("words.lex", "live lexicon");
  LinklessFileSys fileSys;
  ScopedFileSys scope(fileSys);
  {
    FileSizeLimit full(4);
    EXPECT_FALSE(BackupFileKeepingIt(lexicon));
  }
  EXPECT_EQ(ReadWholeFile(lexicon), "live lexicon");
  EXPECT_FALSE(Exists(folder / "words.lxb"));
  ExpectOneErrorBox("Unable to Write File " + folder / "words.lxb", "File Error.");
}

TEST_F(FileOpsTest, BackupOfABackupKeepsTheFile) {
  const std::string backup = folder.Write("words.lxb", "only copy");
  EXPECT_TRUE(BackupFile(backup));
  EXPECT_EQ(ReadWholeFile(backup), "only copy");
}

TEST_F(FileOpsTest, CreateDirectoryOnAnExistingFolderIsSilent) {
  const std::string path = folder / "Lexicons";
  EXPECT_TRUE(CreateDirectoryChecked(path));
  EXPECT_TRUE(std::filesystem::is_directory(path));
  EXPECT_TRUE(CreateDirectoryChecked(path));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(FileOpsTest, CreateDirectoryMadeMeanwhileByAnotherProcessIsSilent) {
  LosingMakeDirectoryRace racing;
  ScopedFileSys scope(racing);
  EXPECT_TRUE(CreateDirectoryChecked(folder / "Temp"));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(FileOpsTest, CreateDirectoryUnderAMissingParentShowsTheCreateBox) {
  const std::string path = folder / "missing/Temp";
  EXPECT_FALSE(CreateDirectoryChecked(path));
  EXPECT_FALSE(Exists(path));
  ExpectOneErrorBox("Sorvane was unable to create the directory: " + path, "");
}

TEST_F(FileOpsTest, CreateDirectoryWithAFileInTheWayShowsTheNameInUseBox) {
  const std::string path = folder.Write("Temp", "a file");
  EXPECT_FALSE(CreateDirectoryChecked(path));
  EXPECT_EQ(ReadWholeFile(path), "a file");
  ExpectOneErrorBox("Unable to Create Directory. The name is already being used." + path, "");
}

TEST_F(FileOpsTest, DeleteMatchingFilesTakesOnlyMatchingOrdinaryFiles) {
  folder.Write("$$a.rls", "");
  folder.Write("$$B.RLS", "");
  folder.Write("$$c.idx", "");
  folder.Write("keep.rls", "");
  const std::string readOnly = folder.Write("$$0.rls", "");
  ASSERT_EQ(::chmod(readOnly.c_str(), 0444), 0);
  std::filesystem::create_directory(folder / "$$d.rls");

  DeleteMatchingFiles(folder / "$$*.rls");
  EXPECT_FALSE(Exists(folder / "$$a.rls"));
  EXPECT_FALSE(Exists(folder / "$$B.RLS"));  // names match without regard to case
  EXPECT_TRUE(Exists(readOnly));              // a failure does not stop the others
  EXPECT_TRUE(Exists(folder / "$$c.idx"));
  EXPECT_TRUE(Exists(folder / "keep.rls"));
  EXPECT_TRUE(Exists(folder / "$$d.rls"));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(FileOpsTest, DeleteFileIfExists) {
  const std::string file = folder.Write("x.tmp", "x");
  EXPECT_EQ(DeleteFileIfExists(file), 0);
  EXPECT_FALSE(Exists(file));
  EXPECT_EQ(DeleteFileIfExists(file), -1);
  std::filesystem::create_directory(folder / "sub");
  EXPECT_EQ(DeleteFileIfExists(folder / "sub"), -1);
  EXPECT_TRUE(Exists(folder / "sub"));
}

}  // namespace
