#include "foundation/AppFolders.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/FileSys.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "support/ScopedAppPaths.h"

using testing::ElementsAre;
using testing::Pair;

namespace {
namespace fs = std::filesystem;

// Denies writing below one folder, as a read-only installation would for an ordinary user; the
// tests run as root in CI, where every real write test passes. Can list names that are gone.
class InstallationFileSys : public FileSys {
 public:
  bool CanWrite(const std::string& file, const std::string& folder) override {
    writeTests.emplace_back(file, folder);
    if (folder.rfind(readOnlyFolder, 0) == 0) return false;
    return FileSys::CanWrite(file, folder);
  }
  std::vector<std::string> ListMatching(const std::string& folder,
                                        const std::string& wildcard) override {
    std::vector<std::string> names = FileSys::ListMatching(folder, wildcard);
    if (!vanished.empty()) names.insert(names.begin(), vanished);
    return names;
  }

  std::string readOnlyFolder = "/nowhere";
  std::string vanished;  // listed, but no longer there when copied
  std::vector<std::pair<std::string, std::string>> writeTests;
};

class AppFoldersTest : public testing::Test {
 protected:
  void SetUp() override {
    FileSys::Install(&fileSys);
    settings = &Settings::Rebuild();
    installed = settings->GetString(SettingId::FolderLexicons);
    installedTemp = settings->GetString(SettingId::FolderTemp);
  }
  void TearDown() override { FileSys::Install(nullptr); }

  void DenyWritingInstalledLexicons() { fileSys.readOnlyFolder = installed; }
  void Install(const std::string& name, const std::string& bytes) const {
    std::ofstream(installed + "/" + name, std::ios::binary) << bytes;
  }
  std::string AppData(const std::string& sub) const { return paths.Paths().appDataFolder + sub; }
  std::vector<std::string> PerUserLexicons() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(AppData("/Sorvane/Lexicons"))) {
      names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
  }
  void ExpectFoldersUnchanged() const {
    EXPECT_EQ(settings->GetString(SettingId::FolderLexicons), installed);
    EXPECT_EQ(settings->GetString(SettingId::FolderTemp), installedTemp);
  }

  ScopedAppPaths paths;
  ScriptedHost host;
  ScopedHost hostScope{host};
  InstallationFileSys fileSys;
  Settings* settings = nullptr;
  std::string installed;
  std::string installedTemp;
};
}  // namespace

TEST_F(AppFoldersTest, WithoutLexiconsNothingIsTestedOrChanged) {
  DenyWritingInstalledLexicons();
  Install("words.txt", "not a lexicon");
  fs::create_directory(installed + "/folder.lex");
  SetUpAppFolders();
  EXPECT_TRUE(fileSys.writeTests.empty());
  ExpectFoldersUnchanged();
  EXPECT_FALSE(fs::exists(AppData("/Sorvane")));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(AppFoldersTest, AWritableInstallationStaysAndKeepsItsPermissions) {
  Install("b.lex", "b");
  Install("a.lex", "a");
  fs::permissions(installed + "/a.lex", fs::perms(0644));
  SetUpAppFolders();
  EXPECT_THAT(fileSys.writeTests, ElementsAre(Pair(installed + "/a.lex", installed)));
  EXPECT_EQ(fs::status(installed + "/a.lex").permissions(), fs::perms(0644));  // not made private
  ExpectFoldersUnchanged();
  EXPECT_FALSE(fs::exists(AppData("/Sorvane")));
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(AppFoldersTest, AReadOnlyInstallationMovesToPerUserFoldersAndCopiesEachLexiconOnce) {
  DenyWritingInstalledLexicons();
  Install("a.lex", "first");
  Install("B.LEX", "second");
  Install("notes.txt", "not copied");
  SetUpAppFolders();
  EXPECT_EQ(settings->GetString(SettingId::FolderLexicons), AppData("/Sorvane/Lexicons"));
  EXPECT_EQ(settings->GetString(SettingId::FolderTemp), AppData("/Sorvane/Temp"));
  EXPECT_TRUE(fs::is_directory(AppData("/Sorvane/Temp")));
  EXPECT_THAT(PerUserLexicons(), ElementsAre("B.LEX", "a.lex"));
  EXPECT_EQ(ReadWholeFile(AppData("/Sorvane/Lexicons/a.lex")), "first");
  EXPECT_EQ(ReadWholeFile(AppData("/Sorvane/Lexicons/B.LEX")), "second");
  EXPECT_TRUE(host.Boxes().empty());

  // The next call tests the per-user copy, which can be written: nothing more happens.
  fs::remove(AppData("/Sorvane/Lexicons/a.lex"));
  SetUpAppFolders();
  EXPECT_THAT(PerUserLexicons(), ElementsAre("B.LEX"));
  EXPECT_EQ(fileSys.writeTests.back().second, AppData("/Sorvane/Lexicons"));
}

TEST_F(AppFoldersTest, OnlyLexiconsMissingFromThePerUserFolderAreCopied) {
  DenyWritingInstalledLexicons();
  Install("a.lex", "installed a");
  Install("b.lex", "installed b");
  fs::create_directories(AppData("/Sorvane/Lexicons"));
  std::ofstream(AppData("/Sorvane/Lexicons/b.lex")) << "changed by the user";
  SetUpAppFolders();
  EXPECT_EQ(ReadWholeFile(AppData("/Sorvane/Lexicons/a.lex")), "installed a");
  EXPECT_EQ(ReadWholeFile(AppData("/Sorvane/Lexicons/b.lex")), "changed by the user");
}

TEST_F(AppFoldersTest, ALexiconThatCannotBeCopiedIsReportedAndTheRestGoOn) {
  DenyWritingInstalledLexicons();
  Install("b.lex", "b");
  fileSys.vanished = "a.lex";
  SetUpAppFolders();
  EXPECT_THAT(PerUserLexicons(), ElementsAre("b.lex"));
  const std::vector<MessageRequest> boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Unable to Open File " + installed + "/a.lex");
  EXPECT_EQ(boxes[0].caption, "Error");
}

TEST_F(AppFoldersTest, WithoutAnAppDataFolderTheUserIsWarned) {
  DenyWritingInstalledLexicons();
  Install("a.lex", "a");
  AppPaths noAppData = paths.Paths();
  noAppData.appDataFolder.clear();
  paths.Change(noAppData);
  SetUpAppFolders();
  ExpectFoldersUnchanged();
  const std::vector<MessageRequest> boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text,
            "Sorvane does not have write access to the Lexicons and Temp folders.\n"
            "This will adversly affect the running of this application.\n\n"
            "Folders: \n" + installed + "\n" + installedTemp);
  EXPECT_EQ(boxes[0].caption, "Warning");
  EXPECT_EQ(boxes[0].flags, MB_OK);
}

TEST_F(AppFoldersTest, FoldersThatCannotBeMadeKeepTheirSettings) {
  DenyWritingInstalledLexicons();
  Install("a.lex", "a");
  // A file in the way of the per-user Temp folder: Lexicons still move.
  fs::create_directories(AppData("/Sorvane"));
  std::ofstream(AppData("/Sorvane/Temp")) << "";
  SetUpAppFolders();
  EXPECT_EQ(settings->GetString(SettingId::FolderLexicons), AppData("/Sorvane/Lexicons"));
  EXPECT_EQ(settings->GetString(SettingId::FolderTemp), installedTemp);
  EXPECT_THAT(PerUserLexicons(), ElementsAre("a.lex"));
  ASSERT_EQ(host.Boxes().size(), 1u);

  // A file in the way of the per-user Lexicons folder: nothing moves, nothing is copied.
  settings = &Settings::Rebuild();
  fs::remove_all(AppData("/Sorvane"));
  fs::create_directories(AppData("/Sorvane"));
  std::ofstream(AppData("/Sorvane/Lexicons")) << "";
  SetUpAppFolders();
  ExpectFoldersUnchanged();
  EXPECT_EQ(host.Boxes().size(), 2u);
}
