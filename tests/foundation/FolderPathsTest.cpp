#include <gtest/gtest.h>

#include "foundation/FolderPaths.h"
#include "foundation/PathText.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "support/TestSettings.h"

namespace {

class FolderPathsTest : public ::testing::Test {
 protected:
  TestSettings settings;
};

TEST_F(FolderPathsTest, BareNamesGoIntoTheFoldersOfTheSettings) {
  EXPECT_EQ(GetTempFilePath("$$rs.rls"), settings.TempFolderPath() + "/$$rs.rls");
  EXPECT_EQ(GetLexiconFilePath("English.lex"), settings.LexiconsFolderPath() + "/English.lex");

  Settings::Instance().SetString(SettingId::FolderTemp, "/home/john.smith/Temp");
  EXPECT_EQ(GetTempFilePath("a"), "/home/john.smith/Temp/a");
  const std::string temp = MakeTempFilePath();
  EXPECT_EQ(ExtractFilePath(temp), "/home/john.smith/Temp/");
  EXPECT_EQ(ExtractFileName(temp).substr(0, 2), "$$");
  EXPECT_EQ(ExtractFileExt(temp), "");
}

TEST_F(FolderPathsTest, NamesWithAFolderStayAsTheyAre) {
  EXPECT_EQ(GetTempFilePath("/x/y.tmp"), "/x/y.tmp");
  EXPECT_EQ(GetLexiconFilePath("sub/English.lex"), "sub/English.lex");
}

}  // namespace
