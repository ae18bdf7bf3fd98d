#include <gtest/gtest.h>

#include "foundation/PathText.h"
#include "foundation/TextUtils.h"

TEST(PathTextTest, ChangeFileExtCutsOnlyInTheFileName) {
  EXPECT_EQ(ChangeFileExt("/a.b/file", "lxb"), "/a.b/file.lxb");
  EXPECT_EQ(ChangeFileExt("/a.b/file.lex", "lxb"), "/a.b/file.lxb");
  EXPECT_EQ(ChangeFileExt("/home/john.smith/Temp/$$ab", "MMF"), "/home/john.smith/Temp/$$ab.MMF");
  EXPECT_EQ(ChangeFileExt("name", ".idx"), "name.idx");
  EXPECT_EQ(ChangeFileExt("a.b.c", ".d"), "a.b.d");
  EXPECT_EQ(ChangeFileExt("name.", "x"), "name.x");
}

TEST(PathTextTest, ChangeFileExtKeepsALeadingDotOfTheName) {
  EXPECT_EQ(ChangeFileExt(".hidden", "x"), ".hidden.x");
  EXPECT_EQ(ChangeFileExt("/home/u/.hidden", "x"), "/home/u/.hidden.x");
  EXPECT_EQ(ChangeFileExt("/home/u/.hidden.lex", "lxb"), "/home/u/.hidden.lxb");
}

TEST(PathTextTest, ExtensionOfDottedFoldersAndPlainNames) {
  EXPECT_EQ(ExtractFileExt("/a.b/file"), "");
  EXPECT_EQ(ExtractFileExt("/a.b/file.tar.gz"), "gz");
  EXPECT_EQ(ExtractFileExt("file."), "");
  EXPECT_EQ(ExtractFileExt("file"), "");
  EXPECT_EQ(RemoveFileExt("/a.b/file"), "/a.b/file");
  EXPECT_EQ(RemoveFileExt("/a.b/file.lex"), "/a.b/file");
  EXPECT_EQ(RemoveFileExt("file"), "file");
}

TEST(PathTextTest, NameAndFolderSplitAtTheLastSeparator) {
  EXPECT_EQ(ExtractFileName("/x/y/z.lex"), "z.lex");
  EXPECT_EQ(ExtractFilePath("/x/y/z.lex"), "/x/y/");
  EXPECT_EQ(ExtractFileName("z.lex"), "z.lex");
  EXPECT_EQ(ExtractFilePath("z.lex"), "");
  EXPECT_EQ(ExtractFileName("/x/y/"), "");
  EXPECT_EQ(ExtractFilePath("/x/y/"), "/x/y/");
  // A backslash is an ordinary byte of a file name.
  EXPECT_EQ(ExtractFileName("/x/a\\b"), "a\\b");
}

TEST(PathTextTest, IntToStrRadixSignedOnlyInRadixTen) {
  EXPECT_EQ(IntToStrRadix(1000, 36), "rs");
  EXPECT_EQ(IntToStrRadix(0, 36), "0");
  EXPECT_EQ(IntToStrRadix(255, 16), "ff");
  EXPECT_EQ(IntToStrRadix(-5, 10), "-5");
  EXPECT_EQ(IntToStrRadix(INT32_MIN, 10), "-2147483648");
  EXPECT_EQ(IntToStrRadix(-1, 16), "ffffffff");
  EXPECT_EQ(IntToStrRadix(-1, 36), "1z141z3");
  EXPECT_EQ(IntToStrRadix(5, 2), "101");
}
