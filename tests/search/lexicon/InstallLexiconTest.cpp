#include <sys/stat.h>

#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>

#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "search/lexicon/InstallLexicon.h"
#include "support/ScopedFileSys.h"
#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

// Refuses renames onto one path except from its backup (the install's move, not the restore),
// answers EXDEV for one source (a cross-drive move), and passes every other call on.
class RefusingFileSys : public FileSys {
 public:
  int Rename(const std::string& from, const std::string& to) override {
    if (to == refuseTo && fs::path(from).extension() != ".lxb") return EACCES;
    if (from == crossDriveFrom) return EXDEV;
    return FileSys::Rename(from, to);
  }
  std::string refuseTo;
  std::string crossDriveFrom;
};

class InstallLexiconTest : public ::testing::Test {
 protected:
  std::string Box(size_t i) const { return host_.Boxes().at(i).text; }

  TempFolder folder_;
  ScriptedHost host_;
  ScopedHost hostScope_{host_};
  std::string temp_ = folder_.Write("$$temp", "new lexicon");
  std::string target_ = folder_ / "words.lex";
  std::string backup_ = folder_ / "words.lxb";
};

TEST_F(InstallLexiconTest, ANewLexiconTakesTheTargetName) {
  EXPECT_TRUE(InstallLexicon(temp_, target_));
  EXPECT_EQ(ReadWholeFile(target_), "new lexicon");
  EXPECT_FALSE(fs::exists(temp_));
  EXPECT_FALSE(fs::exists(backup_));
  EXPECT_TRUE(host_.Boxes().empty());
}

TEST_F(InstallLexiconTest, AReplacedLexiconBecomesTheBackup) {
  folder_.Write("words.lex", "old lexicon");
  folder_.Write("words.lxb", "older backup");
  EXPECT_TRUE(InstallLexicon(temp_, target_));
  EXPECT_EQ(ReadWholeFile(target_), "new lexicon");
  EXPECT_EQ(ReadWholeFile(backup_), "old lexicon");
  EXPECT_FALSE(fs::exists(temp_));
}

TEST_F(InstallLexiconTest, AFailedBackupLeavesTheTargetAndDropsTheTemporary) {
  folder_.Write("words.lex", "old lexicon");
  folder_.Write("words.lxb", "read-only backup");
  ASSERT_EQ(::chmod(backup_.c_str(), 0444), 0);

  EXPECT_FALSE(InstallLexicon(temp_, target_));
  EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
  EXPECT_EQ(ReadWholeFile(backup_), "read-only backup");
  EXPECT_FALSE(fs::exists(temp_));
  ASSERT_EQ(host_.Boxes().size(), 1u);
  EXPECT_EQ(Box(0), "Sorvane was unable to delete this file: \n" + backup_);
}

TEST_F(InstallLexiconTest, AFailedMoveReturnsTheOldLexiconToItsName) {
  folder_.Write("words.lex", "old lexicon");
  RefusingFileSys fileSys;
  fileSys.refuseTo = target_;
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(InstallLexicon(temp_, target_));
  EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
  EXPECT_FALSE(fs::exists(backup_));
  EXPECT_FALSE(fs::exists(temp_));
  ASSERT_EQ(host_.Boxes().size(), 1u);
  EXPECT_EQ(Box(0), "Sorvane could not rename this file: \n" + target_);
  EXPECT_EQ(host_.Boxes()[0].caption, "Error");
}

TEST_F(InstallLexiconTest, AFailedMoveToANewNameLeavesNothing) {
  RefusingFileSys fileSys;
  fileSys.refuseTo = target_;
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(InstallLexicon(temp_, target_));
  EXPECT_FALSE(fs::exists(target_));
  EXPECT_FALSE(fs::exists(temp_));
  EXPECT_EQ(host_.Boxes().size(), 1u);
}

TEST_F(InstallLexiconTest, ACrossDriveMoveThatCannotFinishKeepsTheOldLexicon) {
  folder_.Write("words.lex", "old lexicon");
  RefusingFileSys fileSys;
  fileSys.crossDriveFrom = temp_;
  fileSys.refuseTo = target_;  // the staged copy cannot take the name either
  ScopedFileSys scope(fileSys);

  EXPECT_FALSE(InstallLexicon(temp_, target_));
  EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
  EXPECT_FALSE(fs::exists(backup_));
  EXPECT_FALSE(fs::exists(temp_));
  // No staged copy is left beside the target.
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_.Path()), fs::directory_iterator()), 1);
}

TEST_F(InstallLexiconTest, ATargetThatIsNoRegularFileIsRefusedAndKept) {
  const std::string fifo = folder_ / "pipe.lex";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  const std::string dir = folder_ / "folder.lex";
  fs::create_directory(dir);
  const std::string link = folder_ / "null.lex";
  fs::create_symlink("/dev/null", link);

  for (const std::string& target : {fifo, dir, link}) {
    SCOPED_TRACE(target);
    host_.Clear();
    const std::string temp = folder_.Write("$$temp", "new lexicon");
    EXPECT_FALSE(IsInstallableTarget(target));
    EXPECT_FALSE(InstallLexicon(temp, target));
    EXPECT_TRUE(fs::exists(fs::symlink_status(target)));
    EXPECT_FALSE(fs::exists(fs::symlink_status(fs::path(target).replace_extension("lxb"))));
    EXPECT_FALSE(fs::exists(temp));
    ASSERT_EQ(host_.Boxes().size(), 1u);
    EXPECT_EQ(Box(0), "Unable to Open File " + target);
  }
  EXPECT_TRUE(fs::is_fifo(fifo));
  EXPECT_TRUE(fs::is_directory(dir));
  EXPECT_TRUE(fs::is_symlink(link));
}

}  // namespace
