// Reading word lists: line ends, encodings, and lines or files that can hold no words.

#include <sys/stat.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "foundation/SorvaneException.h"
#include "lexbuild/WordListReader.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<ListWord> ListWordsOf(WordListReader& reader) {
  std::vector<ListWord> words;
  for (std::string lines; reader.NextLines(lines);) {
    EXPECT_TRUE(lines.ends_with('\n'));
    WordListReader::ForEachWord(lines, [&words](const ListWord& word) { words.push_back(word); });
  }
  return words;
}

std::vector<std::string> WordsOf(const std::string& path) {
  WordListReader reader(path);
  std::vector<std::string> words;
  for (const ListWord& word : ListWordsOf(reader)) words.push_back(word.text);
  return words;
}

std::vector<std::string> WordsOfText(const std::string& text) {
  TempFolder folder;
  return WordsOf(folder.Write("list.txt", text));
}

std::string OpenFailure(const std::string& path) {
  try {
    WordListReader reader(path);
  } catch (const SorvaneException& error) {
    return error.what();
  }
  return "";
}

TEST(WordListReaderTest, LinesAreTrimmedAndInvalidOnesSkipped) {
  EXPECT_THAT(WordsOfText("  cat \n\n3d\nice cream\nx-\n-x\nox"),
              ElementsAre("cat", "ice cream", "ox"));
  EXPECT_THAT(WordsOfText(""), IsEmpty());
  EXPECT_THAT(WordsOfText("\n\n"), IsEmpty());
}

TEST(WordListReaderTest, CountsComeWithEachWord) {
  TempFolder folder;
  WordListReader reader(folder.Write("list.txt", "o'clock\n"));
  const std::vector<ListWord> words = ListWordsOf(reader);
  ASSERT_EQ(words.size(), 1u);
  EXPECT_EQ(words[0].text, "o'clock");
  EXPECT_EQ(words[0].letters, 6);
  EXPECT_EQ(words[0].marks, 1);
  EXPECT_EQ(reader.Position(), reader.Length());
}

// One list in Windows-1252 with LF, the same in UTF-8 with CRLF and a byte-order mark.
TEST(WordListReaderTest, EncodingsAndLineEndsGiveTheSameWords) {
  const auto expected = ElementsAre("caf\xE9", "na\xEFve", "zebra");
  EXPECT_THAT(WordsOfText("caf\xE9\nna\xEFve\nzebra\n"), expected);
  EXPECT_THAT(WordsOfText("\xEF\xBB\xBF" "caf\xC3\xA9\r\nna\xC3\xAFve\r\nzebra\r\n"), expected);
  // Only one CR goes, and only a byte-order mark at the very start.
  EXPECT_THAT(WordsOfText("cat\r\r\nox\n\xEF\xBB\xBF" "ape\n"), ElementsAre("ox"));
}

TEST(WordListReaderTest, ALineWithANulIsRefusedWhole) {
  EXPECT_THAT(WordsOfText(std::string("app\0le\nzebra\n", 13)), ElementsAre("zebra"));
  EXPECT_THAT(WordsOfText(std::string("ox\0", 3)), IsEmpty());
}

// A long line is never cut into words: a word after 250 bytes of junk is part of that line.
TEST(WordListReaderTest, ALineOver254BytesIsRefusedWhole) {
  const std::string spaces254 = std::string(251, ' ') + "cat";
  EXPECT_THAT(WordsOfText(spaces254 + "\n" + spaces254 + "\r\n"), ElementsAre("cat", "cat"));
  EXPECT_THAT(WordsOfText(std::string(250, '#') + " zebra\nox\n"), ElementsAre("ox"));
  EXPECT_THAT(WordsOfText(" " + spaces254 + "\nox"), ElementsAre("ox"));
  // Longer than a read: still one line, and the next line is found after it.
  EXPECT_THAT(WordsOfText(std::string(200000, ' ') + "ape\nox\n" + std::string(70000, 'y')),
              ElementsAre("ox"));
}

TEST(WordListReaderTest, WordsAcrossReadBoundariesAreWhole) {
  std::string text;
  std::vector<std::string> expected;
  for (int i = 0; i < 20000; ++i) {
    const std::string word = std::string(1 + i % 7, 'a' + i % 26) + std::string(i % 5, 'z');
    text += word + (i % 3 ? "\n" : "\r\n");
    expected.push_back(word);
  }
  EXPECT_EQ(WordsOfText(text), expected);
}

// A FIFO would block the open and /dev/zero would never end: only regular files are read.
TEST(WordListReaderTest, OnlyARegularFileIsRead) {
  TempFolder folder;
  const std::string fifo = folder / "fifo";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& path :
       {fifo, std::string("/dev/zero"), folder.Path(), folder / "missing.txt"}) {
    EXPECT_EQ(OpenFailure(path), "Unable to Open File " + path);
  }
}

}  // namespace
