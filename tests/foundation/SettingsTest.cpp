#include "foundation/Settings.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/SettingIds.h"
#include "foundation/SorvaneException.h"
#include "platform/FileSys.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "support/ScopedAppPaths.h"

using testing::ElementsAre;
using testing::HasSubstr;
using testing::Not;

namespace {
const std::string kSection = "[SOFTWARE\\Sorvane\\Sorvane6]\n";

// Records the folders made, in order.
class RecordingFileSys : public FileSys {
 public:
  bool MakeDirectory(const std::string& path) override {
    made.push_back(path);
    return FileSys::MakeDirectory(path);
  }
  std::vector<std::string> made;
};

class SettingsTest : public testing::Test {
 protected:
  const AppPaths& Paths() const { return paths.Paths(); }
  const std::string& Program() const { return Paths().programFolder; }
  std::string StoreText() const { return ReadWholeFile(Paths().userStoreFile); }
  void WriteStore(const std::string& text) const {
    std::filesystem::create_directories(std::filesystem::path(Paths().userStoreFile).parent_path());
    paths.Root().Write("config/sorvane/user.reg", text);
  }
  // A store saved by a program in `folder`, holding the given value lines.
  void WriteStoreFrom(const std::string& folder, const std::string& values) const {
    WriteStore(kSection + "\"Folder-Sorvane\"=\"" + folder + "\"\n" + values);
  }
  void ExpectNoBoxes() const { EXPECT_TRUE(host.Boxes().empty()); }

  ScopedAppPaths paths;
  ScriptedHost host;
  ScopedHost hostScope{host};
};

void ExpectIntegerDefaults(Settings& settings) {
  using namespace SettingId;
  const std::pair<int32_t, int32_t> defaults[] = {
      {Maximised, 0}, {Font, 8}, {Toolbar, 8}, {Bold, 0}, {Top, 100}, {Left, 200}, {Height, 480},
      {Width, 680}, {GridWindowWidth, 330}, {SortType, 2}, {SortMode, 0}, {UseAllFrom, 1},
      {SuppressPermutations, 1}, {CaseSensitive, 0}, {ReuseFromLetters, 0},
      {WindowsMenusAndFont, 0}, {GridDefaultColumns, 11}, {GridDefaultRows, 11},
      {GridLineColour, 8421504}, {GridBarColour, 0}, {GridBlankColour, 0},
      {GridCurrentWordColour, 65535}, {DefaultCellColour, 16777215},
      {GridSelectedCellColour, 15780518}, {GridCurrentCellColour, 255}, {WindowColour, 16777215},
      {GridLineWidth, 2}, {GridMode, 1}, {GridSymmetry, 0}, {GridIndexes, 1}, {GridTextCase, 1},
      {GridFontSize, 14}, {GridFontBold, 1}, {ShowGrid, 1}, {ResultsOnRight, 1}};
  for (const auto& [id, value] : defaults) EXPECT_EQ(settings.GetInt(id), value) << id;
}
}  // namespace

TEST_F(SettingsTest, FirstRunTakesEveryDefaultCreatesTheEmptyKeyAndTheFolders) {
  RecordingFileSys fileSys;
  FileSys::Install(&fileSys);
  Settings& settings = Settings::Rebuild();
  FileSys::Install(nullptr);

  using namespace SettingId;
  EXPECT_EQ(settings.GetString(FolderFiles), Paths().documentsFolder + "/Sorvane");
  EXPECT_EQ(settings.GetString(FolderTemp), Program() + "Temp");
  EXPECT_EQ(settings.GetString(FolderLexicons), Program() + "Lexicons");
  EXPECT_EQ(settings.GetString(FolderSorvane), Program());
  EXPECT_EQ(settings.GetString(FolderWordNet), Program() + "Wordnet");
  EXPECT_EQ(settings.GetString(Version), "6.01");
  EXPECT_EQ(settings.GetString(SorvaneFont), "Tahoma");
  EXPECT_EQ(settings.GetString(GridFontName), "Times New Roman");
  EXPECT_EQ(settings.GetString("Grid FontName"), "Times New Roman");
  ExpectIntegerDefaults(settings);
  EXPECT_TRUE(settings.GetBool(UseAllFrom));
  EXPECT_FALSE(settings.GetBool(CaseSensitive));

  EXPECT_EQ(StoreText(), "; Sorvane registry store 1\n\n" + kSection);
  EXPECT_FALSE(std::filesystem::exists(Paths().machineStoreFile));
  EXPECT_THAT(fileSys.made, ElementsAre(Program() + "Temp", Program() + "Lexicons",
                                        Paths().documentsFolder + "/Sorvane"));
  ExpectNoBoxes();
}

TEST_F(SettingsTest, WithoutADocumentsFolderFilesGoUnderTheProgramFolder) {
  AppPaths changed = Paths();
  changed.documentsFolder.clear();
  paths.Change(changed);
  Settings& settings = Settings::Rebuild();
  EXPECT_EQ(settings.GetString(SettingId::FolderFiles), Program() + "Files");
  EXPECT_TRUE(std::filesystem::is_directory(Program() + "Files"));
}

TEST_F(SettingsTest, StoredValuesOverlayTheDefaultsWhenStoredFromThisFolder) {
  WriteStoreFrom(Program() + "sorvane",  // the part after the last separator does not count
                 "\"Folder-Temp\"=\"" + Paths().appDataFolder + "/Temp\"\n"
                 "\"font\"=dword:0000000c\n"
                 "\"Grid Line Colour\"=dword:ffffffff\n"
                 "\"Bold\"=dword:00000001\n"
                 "\"Version\"=\"9.99\"\n"
                 "\"Sorvane Font\"=\"Serif\"\n");
  Settings& settings = Settings::Rebuild();
  EXPECT_EQ(settings.GetString(SettingId::FolderTemp), Paths().appDataFolder + "/Temp");
  EXPECT_TRUE(std::filesystem::is_directory(Paths().appDataFolder + "/Temp"));
  EXPECT_EQ(settings.GetInt(SettingId::Font), 12);
  EXPECT_EQ(settings.GetInt(SettingId::GridLineColour), 0);  // no colour: the nearest one
  EXPECT_TRUE(settings.GetBool(SettingId::Bold));
  EXPECT_EQ(settings.GetString(SettingId::SorvaneFont), "Serif");
  EXPECT_EQ(settings.GetString(SettingId::Version), "6.01");
  EXPECT_EQ(settings.GetString(SettingId::FolderSorvane), Program() + "sorvane");
  ExpectNoBoxes();
}

TEST_F(SettingsTest, StoredValuesOutOfRangeAreClampedAsTheyAreRead) {
  struct Case {
    int32_t id;
    const char* key;
    int32_t low, high;
  };
  using namespace SettingId;
  const Case cases[] = {{Font, "Font", 8, 12},
                        {SortType, "Sort Type", 0, 2},
                        {SortMode, "Sort Mode", 0, 1},
                        {GridDefaultColumns, "Grid Default Columns", 1, 999},
                        {GridDefaultRows, "Grid Default Rows", 1, 999},
                        {GridLineColour, "Grid Line Colour", 0, 0xFFFFFF},
                        {GridBarColour, "Grid Bar Colour", 0, 0xFFFFFF},
                        {GridBlankColour, "Grid Blank Colour", 0, 0xFFFFFF},
                        {GridCurrentWordColour, "Grid Current Word Colour", 0, 0xFFFFFF},
                        {DefaultCellColour, "Default Cell Colour", 0, 0xFFFFFF},
                        {GridSelectedCellColour, "Grid Selected Cell Colour", 0, 0xFFFFFF},
                        {GridCurrentCellColour, "Grid Current Cell Colour", 0, 0xFFFFFF},
                        {WindowColour, "Window Colour", 0, 0xFFFFFF},
                        {GridLineWidth, "Grid Line Width", 0, 16},
                        {GridMode, "Grid Mode", 0, 2},
                        {GridSymmetry, "Grid Symmetry", 0, 9},
                        {GridTextCase, "Grid Text Case", 0, 2},
                        {GridFontSize, "Grid FontSize", 1, 96}};
  // The least and the greatest value a store can hold.
  for (const bool high : {false, true}) {
    std::string values;
    for (const Case& c : cases)
      values += "\"" + std::string(c.key) + (high ? "\"=dword:7fffffff\n" : "\"=dword:80000000\n");
    WriteStoreFrom(Program(), values);
    Settings& settings = Settings::Rebuild();
    for (const Case& c : cases) EXPECT_EQ(settings.GetInt(c.id), high ? c.high : c.low) << c.key;
  }
  ExpectNoBoxes();
}

TEST_F(SettingsTest, StoredValuesFromAnotherFolderAreIgnored) {
  std::string otherCase = Program();
  otherCase.replace(otherCase.size() - 8, 7, "PROGRAM");  // ".../program/" -> ".../PROGRAM/"
  for (const std::string& folder : {otherCase, Program() + "sub/", std::string("no-separator"),
                                    std::string()}) {
    WriteStoreFrom(folder, "\"Font\"=dword:0000000c\n\"Folder-Temp\"=\"/elsewhere\"\n");
    Settings& settings = Settings::Rebuild();
    EXPECT_EQ(settings.GetInt(SettingId::Font), 8) << folder;
    EXPECT_EQ(settings.GetString(SettingId::FolderTemp), Program() + "Temp") << folder;
  }
}

TEST_F(SettingsTest, ValuesOfTheWrongKindOrEmptyKeepTheirDefaults) {
  WriteStoreFrom(Program(),
                 "\"Folder-Lexicons\"=\"\"\n"
                 "\"Font\"=\"12\"\n"
                 "\"Show Grid\"=\"0\"\n"
                 "\"Sorvane Font\"=dword:00000001\n"
                 "\"Top\"=hex:01,00,00,00\n"
                 "\"Left\"=dword:zz\n"
                 "\"Height\"=dword:00000300\n");
  Settings& settings = Settings::Rebuild();
  EXPECT_EQ(settings.GetString(SettingId::FolderLexicons), Program() + "Lexicons");
  EXPECT_EQ(settings.GetInt(SettingId::Font), 8);
  EXPECT_TRUE(settings.GetBool(SettingId::ShowGrid));
  EXPECT_EQ(settings.GetString(SettingId::SorvaneFont), "Tahoma");
  EXPECT_EQ(settings.GetInt(SettingId::Top), 100);
  EXPECT_EQ(settings.GetInt(SettingId::Left), 200);
  EXPECT_EQ(settings.GetInt(SettingId::Height), 768);  // the one sound value still counts
}

TEST_F(SettingsTest, ADamagedStoreKeepsTheDefaults) {
  WriteStore(std::string("\0\xFF\xFE[", 4) +
             "\n[SOFTWARE\\Sorvane\\Sorvane6\n\"Folder-Sorvane\"=\"" + Program() +
             "\n\"Font\"=dword:0000000c\n");
  ExpectIntegerDefaults(Settings::Rebuild());

  // A folder where the store file should be cannot even be read.
  std::filesystem::remove(Paths().userStoreFile);
  std::filesystem::create_directory(Paths().userStoreFile);
  Settings& settings = Settings::Rebuild();
  ExpectIntegerDefaults(settings);
  EXPECT_EQ(settings.GetString(SettingId::FolderTemp), Program() + "Temp");
  ExpectNoBoxes();
}

TEST_F(SettingsTest, SaveWritesThePersistedItemsTheSameEachTimeAndKeepsOtherValues) {
  WriteStore(kSection + "\"Left Over\"=\"from an older version\"\n");
  Settings& settings = Settings::Rebuild();
  settings.SetInt(SettingId::Font, 12);
  settings.SetBool(SettingId::Maximised, true);
  settings.SetString(SettingId::FolderTemp, Program() + "other \"temp\"");
  settings.SetString(SettingId::Version, "7.00");  // never stored
  settings.SetString(SettingId::Top, "text");      // the type follows the last set
  settings.Save();
  const std::string saved = StoreText();
  settings.Save();
  EXPECT_EQ(StoreText(), saved);

  EXPECT_THAT(saved, HasSubstr("\"Left Over\"=\"from an older version\"\n"));
  EXPECT_THAT(saved, HasSubstr("\"Folder-Sorvane\"=\"" + Program() + "\"\n"));
  EXPECT_THAT(saved, HasSubstr("\"Font\"=dword:0000000c\n"));
  EXPECT_THAT(saved, HasSubstr("\"Grid Line Colour\"=dword:00808080\n"));
  EXPECT_THAT(saved, HasSubstr("\"Top\"=\"text\"\n"));
  EXPECT_THAT(saved, Not(HasSubstr("Version")));
  // Values come in key order, byte-wise.
  EXPECT_LT(saved.find("\"Bold\""), saved.find("\"Case Sensitive\""));
  EXPECT_LT(saved.find("\"Width\""), saved.find("\"Windows Menus and Font\""));
  const std::string machineWide = ReadWholeFile(Paths().machineStoreFile);
  EXPECT_EQ(machineWide, "; Sorvane registry store 1\n\n" + kSection + "\"Folder-Sorvane\"=\"" +
                             Program() + "\"\n");

  Settings& reloaded = Settings::Rebuild();
  EXPECT_EQ(reloaded.GetInt(SettingId::Font), 12);
  EXPECT_TRUE(reloaded.GetBool(SettingId::Maximised));
  EXPECT_EQ(reloaded.GetString(SettingId::FolderTemp), Program() + "other \"temp\"");
  EXPECT_EQ(reloaded.GetInt(SettingId::Top), 100);  // a string where an integer belongs
  EXPECT_EQ(reloaded.GetString(SettingId::Version), "6.01");
}

TEST_F(SettingsTest, TheMachineWideWriteIsSkippedSilentlyWhenItCannotBeWritten) {
  Settings& settings = Settings::Rebuild();
  AppPaths changed = Paths();
  const std::string fileInTheWay = paths.Root().Write("etc", "a file, not a folder");
  changed.machineStoreFile = fileInTheWay + "/sorvane/machine.reg";
  paths.Change(changed);
  EXPECT_NO_THROW(settings.Save());
  EXPECT_THAT(StoreText(), HasSubstr("\"Font\"=dword:00000008\n"));

  changed.machineStoreFile.clear();
  paths.Change(changed);
  EXPECT_NO_THROW(settings.Save());
  ExpectNoBoxes();
}

TEST_F(SettingsTest, AFailedWriteOfTheUserStoreReachesTheCaller) {
  Settings& settings = Settings::Rebuild();
  std::filesystem::remove(Paths().userStoreFile);
  std::filesystem::create_directory(Paths().userStoreFile);
  EXPECT_THROW(settings.Save(), SorvaneException);
  EXPECT_FALSE(std::filesystem::exists(Paths().machineStoreFile));
}

TEST_F(SettingsTest, AMissingKeyIsReportedAndReadsAsEmpty) {
  Settings& settings = Settings::Rebuild();
  EXPECT_EQ(settings.GetString("Folder-Nowhere"), "");
  EXPECT_EQ(settings.GetInt(8324), 0);  // "Error" is a text, not a setting
  EXPECT_FALSE(settings.GetBool(8324));
  settings.SetInt(8324, 5);
  settings.SetString(8324, "x");
  EXPECT_EQ(settings.GetInt(8324), 0);

  const std::vector<MessageRequest> boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 6u);
  EXPECT_EQ(boxes[0].text, "Folder-Nowhere: Settings Key does not exist");
  EXPECT_EQ(boxes[0].caption, "Error");
  EXPECT_EQ(boxes[0].flags, MB_OK);
  EXPECT_EQ(boxes[1].text, "Error: Settings Key does not exist");
}
