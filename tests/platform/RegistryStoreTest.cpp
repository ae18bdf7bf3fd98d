#include "platform/RegistryStore.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "support/ScopedAppPaths.h"

namespace {
const std::string kKey = "SOFTWARE\\Sorvane\\Sorvane6";

class RegistryStoreTest : public testing::Test {
 protected:
  const std::string& UserFile() const { return paths.Paths().userStoreFile; }
  std::string UserText() const { return ReadWholeFile(UserFile()); }
  void WriteUserText(const std::string& text) const {
    std::filesystem::create_directories(std::filesystem::path(UserFile()).parent_path());
    paths.Root().Write("config/sorvane/user.reg", text);
  }
  // Opens the key in a fresh store, as the next run of the program would.
  RegistryStore Open() const {
    RegistryStore store;
    EXPECT_TRUE(store.OpenKey(RegistryHive::User, kKey, true));
    return store;
  }

  ScopedAppPaths paths;
};

std::vector<std::string> FilesIn(const std::string& folder) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    names.push_back(entry.path().filename().string());
  }
  return names;
}
}  // namespace

TEST_F(RegistryStoreTest, CreatingAKeyWritesItAtOnceAndOpeningWithoutCreateDoesNot) {
  RegistryStore store;
  EXPECT_FALSE(store.OpenKey(RegistryHive::User, kKey, false));
  EXPECT_FALSE(std::filesystem::exists(UserFile()));
  EXPECT_THROW(store.ReadString("Font"), RegistryError);  // no key open

  EXPECT_TRUE(store.OpenKey(RegistryHive::User, kKey, true));
  EXPECT_EQ(UserText(), "; Sorvane registry store 1\n\n[SOFTWARE\\Sorvane\\Sorvane6]\n");
  EXPECT_TRUE(store.OpenKey(RegistryHive::User, "software\\SORVANE\\sorvane6", false));
  EXPECT_FALSE(std::filesystem::exists(paths.Paths().machineStoreFile));
}

TEST_F(RegistryStoreTest, ValuesRoundTripWithTheirKinds) {
  RegistryStore store = Open();
  store.WriteString("Folder-Temp", "/home/a \"b\"\\c\nd");
  store.WriteString("Empty", "");
  store.WriteInteger("Font", 8);
  store.WriteInteger("Negative", -1);
  store.WriteInteger("Lowest", INT32_MIN);
  store.CloseKey();
  EXPECT_NE(UserText().find("\"Negative\"=dword:ffffffff\n"), std::string::npos);

  RegistryStore again = Open();
  EXPECT_EQ(again.ReadString("Folder-Temp"), "/home/a \"b\"\\c\nd");
  EXPECT_EQ(again.ReadString("Empty"), "");
  EXPECT_EQ(again.ReadInteger("Font"), 8);
  EXPECT_EQ(again.ReadInteger("Negative"), -1);
  EXPECT_EQ(again.ReadInteger("Lowest"), INT32_MIN);
}

TEST_F(RegistryStoreTest, ReadsAcceptOnlyTheirOwnKind) {
  WriteUserText("[" + kKey + "]\n\"Text\"=\"8\"\n\"Number\"=dword:00000008\n\"Bytes\"=hex:01,02\n");
  RegistryStore store = Open();
  EXPECT_EQ(store.ReadString("Text"), "8");
  EXPECT_THROW(store.ReadInteger("Text"), RegistryError);
  EXPECT_EQ(store.ReadInteger("Number"), 8);
  EXPECT_THROW(store.ReadString("Number"), RegistryError);
  EXPECT_THROW(store.ReadString("Bytes"), RegistryError);
  EXPECT_THROW(store.ReadInteger("Bytes"), RegistryError);
  EXPECT_THROW(store.ReadString("Missing"), RegistryError);

  EXPECT_EQ(store.FindString("text"), "8");
  EXPECT_EQ(store.FindInteger("Number"), 8);
  for (const char* name : {"Text", "Bytes", "Missing"}) EXPECT_EQ(store.FindInteger(name), std::nullopt);
  for (const char* name : {"Number", "Bytes", "Missing"}) EXPECT_EQ(store.FindString(name), std::nullopt);
}

TEST_F(RegistryStoreTest, NamesIgnoreAsciiCaseAndKeepTheirStoredCase) {
  WriteUserText("[" + kKey + "]\n\"Grid Mode\"=dword:00000001\n\"\xC9t\xE9\"=\"x\"\n");
  RegistryStore store = Open();
  EXPECT_EQ(store.ReadInteger("GRID mode"), 1);
  EXPECT_THROW(store.ReadString("\xE9t\xE9"), RegistryError);  // only ASCII folds
  store.WriteString("grid MODE", "letters");
  store.CloseKey();
  EXPECT_NE(UserText().find("\"Grid Mode\"=\"letters\"\n"), std::string::npos);
  EXPECT_EQ(UserText().find("grid MODE"), std::string::npos);
}

TEST_F(RegistryStoreTest, WritingKeepsEverythingItDidNotWrite) {
  const std::string before =
      "; written by hand\n"
      "[Other\\Key]\n"
      "\"Font\"=dword:0000000c\n"
      "\n"
      "[" + kKey + "]\n"
      "\"Bytes\"=hex:01,02\n"
      "\"Old Setting\"=\"kept\"\n"
      "a line nobody understands\n"
      "\n";
  WriteUserText(before);
  RegistryStore store = Open();
  store.WriteInteger("Font", 10);
  store.WriteString("Old Setting", "changed");
  store.CloseKey();
  EXPECT_EQ(UserText(),
            "; written by hand\n"
            "[Other\\Key]\n"
            "\"Font\"=dword:0000000c\n"
            "\n"
            "[" + kKey + "]\n"
            "\"Bytes\"=hex:01,02\n"
            "\"Old Setting\"=\"changed\"\n"
            "a line nobody understands\n"
            "\"Font\"=dword:0000000a\n"
            "\n");
}

TEST_F(RegistryStoreTest, DamagedLinesReadAsAnotherTypeAndNeverStopTheRest) {
  WriteUserText(std::string("\xEF\xBB\xBF garbage\0\xFF\n", 14) + "[" + kKey + "]\r\n" +
                "\"Unterminated\"=\"abc\n"
                "\"Trailing\"=\"abc\" junk\n"
                "\"Bad escape\"=\"a\\qb\"\n"
                "\"Not hex\"=dword:0000zz00\n"
                "\"Too long\"=dword:123456789\n"
                "\"No digits\"=dword:\n"
                "\"No equals\" \"x\"\n"
                "\"Windows line\"=dword:00000005\r\n"
                "\"Short dword\"=DWORD:1F\n"
                "[unclosed section\n"
                "\"Good\"=\"still read\"\n");
  RegistryStore store = Open();
  for (const char* name : {"Unterminated", "Trailing", "Bad escape", "Not hex", "Too long",
                           "No digits", "No equals"}) {
    EXPECT_THROW(store.ReadString(name), RegistryError) << name;
    EXPECT_THROW(store.ReadInteger(name), RegistryError) << name;
  }
  EXPECT_EQ(store.ReadInteger("Windows line"), 5);
  EXPECT_EQ(store.ReadInteger("Short dword"), 31);
  EXPECT_EQ(store.ReadString("Good"), "still read");

  // Writing a damaged value replaces its line; the rest survives byte for byte.
  const std::string before = UserText();
  store.WriteInteger("Not hex", 3);
  store.CloseKey();
  std::string expected = before;
  expected.replace(expected.find("\"Not hex\"=dword:0000zz00"), 24, "\"Not hex\"=dword:00000003");
  EXPECT_EQ(UserText(), expected);
}

TEST_F(RegistryStoreTest, ChangesReachTheFileOnlyWhenTheKeyIsClosed) {
  {
    RegistryStore store = Open();
    store.WriteInteger("Font", 12);
  }
  EXPECT_THROW(Open().ReadInteger("Font"), RegistryError);

  RegistryStore store = Open();
  store.WriteInteger("Font", 12);
  store.CloseKey();
  EXPECT_EQ(Open().ReadInteger("Font"), 12);
  EXPECT_EQ(FilesIn(paths.Root() / "config/sorvane"), std::vector<std::string>{"user.reg"});
}

TEST_F(RegistryStoreTest, FailuresToReadOrWriteTheFileThrow) {
  RegistryStore store = Open();
  store.WriteInteger("Font", 12);
  // A folder where the file should be: unreadable and not replaceable, even for root.
  std::filesystem::remove(UserFile());
  std::filesystem::create_directory(UserFile());
  EXPECT_THROW(store.CloseKey(), RegistryError);
  EXPECT_EQ(FilesIn(paths.Root() / "config/sorvane"), std::vector<std::string>{"user.reg"});
  EXPECT_THROW(store.OpenKey(RegistryHive::User, kKey, true), RegistryError);

  // A file where the store's folder should be: the created key cannot be written.
  AppPaths blocked = paths.Paths();
  blocked.machineStoreFile = paths.Root().Write("etc", "") + "/sorvane/machine.reg";
  paths.Change(blocked);
  EXPECT_THROW(store.OpenKey(RegistryHive::Machine, kKey, true), RegistryError);

  blocked.machineStoreFile.clear();
  paths.Change(blocked);
  EXPECT_THROW(store.OpenKey(RegistryHive::Machine, kKey, true), RegistryError);
}

TEST_F(RegistryStoreTest, ReplacingTheFileKeepsItsPermissions) {
  Open();
  std::filesystem::permissions(UserFile(), std::filesystem::perms(0640));
  RegistryStore store = Open();
  store.WriteInteger("Font", 12);
  store.CloseKey();
  EXPECT_EQ(std::filesystem::status(UserFile()).permissions(), std::filesystem::perms(0640));
}
