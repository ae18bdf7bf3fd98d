#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "search/lexicon/InstallLexicon.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedFileSys.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// Refuses renames onto one path (the install's move), answers EXDEV for one source (a
// cross-drive move), and passes every other call on.
class RefusingFileSys : public FileSys {
 public:
  int Rename(const std::string& from, const std::string& to) override {
    if (to == refuseTo) return EACCES;
    if (from == crossDriveFrom) return EXDEV;
    return FileSys::Rename(from, to);
  }
  std::string refuseTo;
  std::string crossDriveFrom;
};

class InstallLexiconTest : public ::testing::Test {
 protected:
  std::string Box(size_t i) const { return host.Boxes().at(i).text; }

  TempFolder folder;
  ScriptedHost host;
  ScopedHost hostScope{host};
  std::string temp = folder.Write("$$temp", "new lexicon");
  std::string target = folder / "words.lex";
  std::string backup = folder / "words.lxb";
};

TEST_F(InstallLexiconTest, ANewLexiconTakesTheTargetName) {
  EXPECT_TRUE(InstallLexicon(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "new lexicon");
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_FALSE(fs::exists(backup));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(InstallLexiconTest, AReplacedLexiconBecomesTheBackup) {
  folder.Write("words.lex", "old lexicon");
  folder.Write("words.lxb", "older backup");
  EXPECT_TRUE(InstallLexicon(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "new lexicon");
  EXPECT_EQ(ReadWholeFile(backup), "old lexicon");
  EXPECT_FALSE(fs::exists(temp));
}

TEST_F(InstallLexiconTest, AFailedBackupLeavesTheTargetAndDropsTheTemporary) {
  folder.Write("words.lex", "old lexicon");
  folder.Write("words.lxb", "read-only backup");
  ASSERT_EQ(::chmod(backup.c_str(), 0444), 0);

  EXPECT_FALSE(InstallLexicon(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "old lexicon");
  EXPECT_EQ(ReadWholeFile(backup), "read-only backup");
  EXPECT_FALSE(fs::exists(temp));
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(Box(0), "Sorvane was unable to delete this file: \n" + backup);
}

TEST_F(InstallLexiconTest, AFailedMoveReturnsTheOldLexiconToItsName) {
  folder.Write("words.lex", "old lexicon");
  RefusingFileSys fileSys;
  fileSys.refuseTo = target;
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(InstallLexicon(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "old lexicon");
  EXPECT_FALSE(fs::exists(backup));
  EXPECT_FALSE(fs::exists(temp));
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(Box(0), "Sorvane could not rename this file: \n" + target);
  EXPECT_EQ(host.Boxes()[0].caption, "Error");
}

TEST_F(InstallLexiconTest, AFailedMoveToANewNameLeavesNothing) {
  RefusingFileSys fileSys;
  fileSys.refuseTo = target;
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(InstallLexicon(temp, target));
  EXPECT_FALSE(fs::exists(target));
  EXPECT_FALSE(fs::exists(temp));
  EXPECT_EQ(host.Boxes().size(), 1u);
}

TEST_F(InstallLexiconTest, ACrossDriveMoveThatCannotFinishKeepsTheOldLexicon) {
  folder.Write("words.lex", "old lexicon");
  RefusingFileSys fileSys;
  fileSys.crossDriveFrom = temp;
  fileSys.refuseTo = target;  // the staged copy cannot take the name either
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(InstallLexicon(temp, target));
  EXPECT_EQ(ReadWholeFile(target), "old lexicon");
  EXPECT_FALSE(fs::exists(backup));
  EXPECT_FALSE(fs::exists(temp));
  // No staged copy is left beside the target.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder.Path()), fs::directory_iterator()), 1);
}

TEST_F(InstallLexiconTest, ATargetThatIsNoRegularFileIsRefusedAndKept) {
  const std::string fifo = folder / "pipe.lex";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string dir = folder / "folder.lex";
  fs::create_directory(dir);
  const std::string link = folder / "null.lex";
  fs::create_symlink("/dev/null", link);

  for (const std::string& badTarget : {fifo, dir, link}) {
    SCOPED_TRACE(badTarget);
    host.Clear();
    const std::string tempFile = folder.Write("$$temp", "new lexicon");
    EXPECT_FALSE(IsInstallableTarget(badTarget));
    EXPECT_FALSE(InstallLexicon(tempFile, badTarget));
    EXPECT_TRUE(fs::exists(fs::symlink_status(badTarget)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(fs::path(badTarget).replace_extension("lxb"))));
    EXPECT_FALSE(fs::exists(tempFile));
    ASSERT_EQ(host.Boxes().size(), 1u);
    EXPECT_EQ(Box(0), "Unable to Open File " + badTarget);
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_directory(dir));
  EXPECT_TRUE(fs::is_symlink(link));
}

TEST_F(InstallLexiconTest, ALinkStaysAndTheLexiconItNamesIsReplacedBesideItsBackup) {
  fs::create_directory(folder / "real");
  const std::string real = folder.Write("real/words.lex", "old lexicon");
  const std::string link = folder / "linked.lex";
  fs::create_symlink(real, link);

  EXPECT_TRUE(InstallLexicon(temp, link));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(ReadWholeFile(real), "new lexicon");
  EXPECT_EQ(ReadWholeFile(folder / "real/words.lxb"), "old lexicon");
  EXPECT_FALSE(fs::exists(fs::symlink_status(folder / "linked.lxb")));
}

TEST_F(InstallLexiconTest, TheNewLexiconKeepsTheOldOnesPermissions) {
  folder.Write("words.lex", "old lexicon");
  ASSERT_EQ(::chmod(target.c_str(), 0600), 0);
  EXPECT_TRUE(InstallLexicon(temp, target));
  EXPECT_EQ(fs::status(target).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

TEST_F(InstallLexiconTest, ACopyFromAnotherDriveOntoAFullDiskSaysWritingFailed) {
  folder.Write("words.lex", "old lexicon");
  RefusingFileSys fileSys;
  fileSys.crossDriveFrom = temp;
  ScopedFileSys scope(fileSys);
  {
    FileSizeLimit full(4);
    EXPECT_FALSE(InstallLexicon(temp, target));
  }
  EXPECT_EQ(ReadWholeFile(target), "old lexicon");
  EXPECT_FALSE(fs::exists(temp));
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(Box(0), "Unable to Write File " + target);
}

// Looks at the target before every change of a name, as a program killed at that moment would
// leave it.
class TargetWatchingFileSys : public FileSys {
 public:
  int Remove(const std::string& path) override { return Watch(), FileSys::Remove(path); }
  int Rename(const std::string& from, const std::string& to) override {
    return Watch(), FileSys::Rename(from, to);
  }
  int Link(const std::string& from, const std::string& to) override {
    return Watch(), linkError ? linkError : FileSys::Link(from, to);
  }
  void Watch() {
    if (!fs::exists(target) || ReadWholeFile(target).empty()) ++momentsWithoutLexicon;
  }
  std::string target;
  int linkError = 0;
  int momentsWithoutLexicon = 0;
};

TEST_F(InstallLexiconTest, TheTargetHoldsAWholeLexiconAtEveryMoment) {
  for (const int linkError : {0, EPERM}) {  // EPERM: a file system without hard links
    SCOPED_TRACE(linkError);
    folder.Write("words.lex", "old lexicon");
    const std::string tempFile = folder.Write("$$temp", "new lexicon");
    TargetWatchingFileSys fileSys;
    fileSys.target = target;
    fileSys.linkError = linkError;
    ScopedFileSys scope(fileSys);

    EXPECT_TRUE(InstallLexicon(tempFile, target));
    EXPECT_EQ(fileSys.momentsWithoutLexicon, 0);
    EXPECT_EQ(ReadWholeFile(target), "new lexicon");
    EXPECT_EQ(ReadWholeFile(backup), "old lexicon");
  }
}

}  // namespace
