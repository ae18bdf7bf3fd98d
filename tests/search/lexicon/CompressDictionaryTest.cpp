#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <ctime>

#include "foundation/SorvaneException.h"
#include "search/lexicon/CompressDictionary.h"
#include "support/FileSizeLimit.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;

// The file start of a lexicon: every index entry from a function of (row, column), then a header.
std::string FileStart(uint32_t (*entry)(int row, int column), uint32_t words) {
  std::string bytes(kWordStreamOffset, '\0');
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  for (int row = 0; row < kIndexRows; ++row)
    for (int column = 0; column < kIndexColumns; ++column)
      WriteU32(p + (row * kIndexColumns + column) * 4, entry(row, column));
  DictionaryHeader header;
  header.wordCount = words;
  EncodeHeader(header, p + kHeaderOffset);
  return bytes;
}

// compileTime is the only field that depends on when the file was written.
std::string WithoutCompileTime(std::string bytes) {
  if (bytes.size() >= kHeaderOffset + 4) bytes.replace(kHeaderOffset, 4, 4, '\0');
  return bytes;
}

uint32_t Now() { return static_cast<uint32_t>(std::time(nullptr)); }

TEST(CompressDictionaryTest, WorkedExampleByteForByte) {
  TempFolder folder;
  const std::string bytes =
      ReadWholeFile(WriteLexicon(folder / "x.lex", {"a", "I", "an", "at", "be"}));
  std::string expected = FileStart(
      [](int row, int column) -> uint32_t {
        if (row == 0) return column == 0 ? 3136 : column <= 8 ? 3138 : 3140;
        if (row == 1) return column == 0 ? 3141 : column == 1 ? 3146 : 3149;
        return 3149;
      },
      5);
  expected += std::string("\x00\x61\x00\x49\x80\x00\x61\x6E\x01\x74\x00\x62\x65", 13);
  ASSERT_EQ(bytes.size(), 3149u);
  EXPECT_EQ(WithoutCompileTime(bytes), expected);
}

TEST(CompressDictionaryTest, EmptyLexiconFromBothEntryPoints) {
  TempFolder folder;
  const uint32_t before = Now();
  CreateEmptyLexicon(folder / "created.lex");
  { CompressDictionary closedWithoutWords(folder / "written.lex"); }
  const std::string expected = FileStart([](int, int) -> uint32_t { return 3136; }, 0);
  for (const char* name : {"created.lex", "written.lex"}) {
    const std::string bytes = ReadWholeFile(folder / name);
    ASSERT_EQ(bytes.size(), 3136u) << name;
    EXPECT_EQ(WithoutCompileTime(bytes), expected) << name;
    EXPECT_GE(HeaderOf(bytes).compileTime, before) << name;
    EXPECT_LE(HeaderOf(bytes).compileTime, Now()) << name;
    EXPECT_TRUE(DecodeAll(bytes).empty()) << name;
  }
}

TEST(CompressDictionaryTest, RepeatsAndCaseVariants) {
  TempFolder folder;
  const std::string bytes =
      ReadWholeFile(WriteLexicon(folder / "x.lex", {"apple", "apple", "Apple", "apply"}));
  EXPECT_EQ(HeaderOf(bytes).wordCount, 3u);
  EXPECT_THAT(DecodeAll(bytes), ElementsAre("apple", "Apple", "apply"));
  // Four length steps; "Apple" and "apply" share nothing with the word before them because the
  // prefix is compared case-sensitively.
  EXPECT_EQ(bytes.substr(3136), std::string("\x80\x80\x80\x80\x00"
                                            "apple\x00"
                                            "Apple\x00"
                                            "apply",
                                            22));
}

TEST(CompressDictionaryTest, LetterCountsWithoutWordsStillGetTheirSteps) {
  TempFolder folder;
  const std::string bytes =
      ReadWholeFile(WriteLexicon(folder / "x.lex", {"ab", "cd", "abcde", "fghij"}));
  // step, ab, cd, three steps, abcde, fghij
  EXPECT_EQ(bytes.substr(3136), std::string("\x80\x00"
                                            "ab\x00"
                                            "cd\x80\x80\x80\x00"
                                            "abcde\x00"
                                            "fghij",
                                            22));
  const uint32_t firstStep = 3136, closeRow2 = 3143, closeRow3 = 3144, closeRow4 = 3145;
  for (int column = 0; column < 26; ++column) EXPECT_EQ(IndexEntry(bytes, 1, column), firstStep);
  EXPECT_EQ(IndexEntry(bytes, 2, 0), 3137u);
  EXPECT_EQ(IndexEntry(bytes, 2, 2), 3140u);  // cd
  for (int column = 3; column < 26; ++column) EXPECT_EQ(IndexEntry(bytes, 2, column), closeRow2);
  EXPECT_EQ(IndexEntry(bytes, 3, 0), closeRow3);
  for (int column = 0; column < 26; ++column) {
    EXPECT_EQ(IndexEntry(bytes, 3, column), closeRow3);
    EXPECT_EQ(IndexEntry(bytes, 4, column), closeRow4);
  }
  EXPECT_EQ(IndexEntry(bytes, 5, 0), 3146u);
  EXPECT_EQ(IndexEntry(bytes, 5, 5), 3152u);  // fghij
  EXPECT_EQ(IndexEntry(bytes, 5, 6), bytes.size());
  EXPECT_EQ(IndexEntry(bytes, 30, 25), bytes.size());
}

TEST(CompressDictionaryTest, SharedPrefixIsCappedAtFifteen) {
  TempFolder folder;
  const std::string first = "abcdefghijklmnopqrstuvw";
  const std::string second = "abcdefghijklmnopqrstxyz";  // 20 bytes in common
  const std::string bytes = ReadWholeFile(WriteLexicon(folder / "x.lex", {first, second}));
  const size_t secondAt = bytes.size() - (1 + second.size() - 15);
  EXPECT_EQ(static_cast<uint8_t>(bytes[secondAt]), 15);
  EXPECT_EQ(bytes.substr(secondAt + 1), second.substr(15));
  EXPECT_THAT(DecodeAll(bytes), ElementsAre(first, second));
}

TEST(CompressDictionaryTest, MarksGoIntoTheControlByteAndStayInTheWord) {
  TempFolder folder;
  const std::string bytes =
      ReadWholeFile(WriteLexicon(folder / "x.lex", {"caf\xE9", "don't", "dont", "o'er-the-hill"}));
  EXPECT_THAT(DecodeAll(bytes), ElementsAre("caf\xE9", "don't", "dont", "o'er-the-hill"));
  // "don't" carries its one mark in the control byte; "dont" shares "don" with it.
  EXPECT_NE(bytes.find("\x10"
                       "don't"
                       "\x03"
                       "t"),
            std::string::npos);
}

TEST(CompressDictionaryTest, RefusesWordsTheIndexCannotHold) {
  TempFolder folder;
  const std::string path = folder / "x.lex";
  CompressDictionary writer(path);
  writer.AddWord("be");
  const std::string thirtyOne(31, 'a');
  for (const std::string& bad :
       {thirtyOne, std::string(), std::string("a1"), std::string("-ab"), std::string("ab\0c", 4),
        std::string("a"), std::string("ab"), std::string("ax")}) {
    try {
      writer.AddWord(bad);
      ADD_FAILURE() << "accepted " << bad;
    } catch (const SorvaneException& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to create Dictionary: " + path);
    }
  }
  writer.AddWord("bee");
  writer.Close();
  EXPECT_THROW(writer.AddWord("zzz"), SorvaneException);
  EXPECT_THAT(DecodeAll(ReadWholeFile(path)), ElementsAre("be", "bee"));
}

TEST(CompressDictionaryTest, ThirtyLettersAndSevenMarksAreTheLimits) {
  TempFolder folder;
  const std::string longest(30, 'z');
  const std::string marked = "a-b-c-d-e-f-g-h";  // 8 letters, 7 marks
  const std::string bytes = ReadWholeFile(WriteLexicon(folder / "x.lex", {marked, longest}));
  EXPECT_THAT(DecodeAll(bytes), ElementsAre(marked, longest));
  EXPECT_EQ(IndexEntry(bytes, 30, 25), bytes.size() - 31);
}

TEST(CompressDictionaryTest, AbandonedWriterLeavesALexiconOfItsWords) {
  TempFolder folder;
  {
    CompressDictionary writer(folder / "x.lex");
    writer.AddWord("ox");
  }
  const std::string bytes = ReadWholeFile(folder / "x.lex");
  EXPECT_EQ(HeaderOf(bytes).wordCount, 1u);
  EXPECT_THAT(DecodeAll(bytes), ElementsAre("ox"));
}

TEST(CompressDictionaryTest, FilesThatCannotBeCreated) {
  TempFolder folder;
  const std::string path = folder / "missing/x.lex";
  try {
    CreateEmptyLexicon(path);
    ADD_FAILURE();
  } catch (const SorvaneException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to create Lexicon: " + path);
  }
  EXPECT_THROW(CompressDictionary{path}, SorvaneException);
}

TEST(CompressDictionaryTest, AFullDiskIsAnErrorNotATruncatedLexicon) {
  TempFolder folder;
  const std::string path = folder / "x.lex";
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) words.push_back(std::string("qu") + a + b + "tion");
  try {
    FileSizeLimit limit(kWordStreamOffset + 1000);
    CompressDictionary writer(path);
    try {
      for (const std::string& word : words) writer.AddWord(word);
      writer.Close();
      ADD_FAILURE() << "a write past the limit went unnoticed";
    } catch (const SorvaneException& e) {
      EXPECT_EQ(std::string(e.what()), "Unable to Write File " + path);
    }
    // Never carried on or finished as if nothing had happened.
    EXPECT_THROW(writer.AddWord("quzz"), SorvaneException);
    EXPECT_THROW(writer.Close(), SorvaneException);
  } catch (const SorvaneException& e) {
    ADD_FAILURE() << e.what();
  }
  // Left as the empty lexicon it started as, not one whose index claims the lost words.
  const std::string left = ReadWholeFile(path);
  EXPECT_EQ(HeaderOf(left).wordCount, 0u);
  EXPECT_EQ(IndexEntry(left, 30, 25), 3136u);
  FileSizeLimit limit(100);
  try {
    CreateEmptyLexicon(folder / "y.lex");
    ADD_FAILURE() << "a write past the limit went unnoticed";
  } catch (const SorvaneException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to Write File " + folder / "y.lex");
  }
}

}  // namespace
