#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <functional>
#include <thread>

#include "foundation/SorvaneException.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/VirtualLex.h"
#include "support/LexiconFiles.h"
#include "support/TempFolder.h"

namespace {

using ::testing::ElementsAre;

std::string ErrorOf(const std::function<void()>& action) {
  try {
    action();
  } catch (const SorvaneException& e) {
    return e.what();
  }
  return "no error";
}

TEST(VirtualLexTest, NewRecordHoldsNothingButTheMagic) {
  VirtualLex lexicon("/nowhere/a.lex");
  EXPECT_EQ(lexicon.header.compileTime, 0u);
  EXPECT_EQ(lexicon.header.wordCount, 0u);
  EXPECT_EQ(lexicon.header.magic, kLexiconMagic);
  EXPECT_EQ(lexicon.header.defaultFlag, 0u);
  EXPECT_EQ(lexicon.UsageCount(), 0);
  EXPECT_EQ(lexicon.Image(), nullptr);
  EXPECT_TRUE(lexicon == VirtualLex("/nowhere/a.lex"));
  EXPECT_FALSE(lexicon == VirtualLex("/nowhere/A.lex"));
}

TEST(VirtualLexTest, HeaderReadWriteAndFlag) {
  TempFolder folder;
  VirtualLex lexicon(WriteLexicon(folder / "a.lex", {"ox", "yak"}));
  lexicon.ReadHeader();
  EXPECT_EQ(lexicon.header.magic, kLexiconMagic);
  EXPECT_EQ(lexicon.header.wordCount, 2u);
  const std::string before = ReadWholeFile(lexicon.path);

  lexicon.SetFlag(true);
  VirtualLex again(lexicon.path);
  again.ReadHeader();
  EXPECT_EQ(again.header.defaultFlag, 1u);
  EXPECT_EQ(again.header.wordCount, 2u);
  std::string after = ReadWholeFile(lexicon.path);
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after[kHeaderOffset + 14], 1);
  after[kHeaderOffset + 14] = 0;
  EXPECT_EQ(after, before);  // nothing else changed
  lexicon.SetFlag(false);
  EXPECT_EQ(ReadWholeFile(lexicon.path), before);
}

TEST(VirtualLexTest, ShortFilesHaveNoHeaderAndMissingFilesThrow) {
  TempFolder folder;
  const std::string full = ReadWholeFile(WriteLexicon(folder / "full.lex", {"ox"}));
  for (size_t length : {size_t{0}, size_t{3120}, size_t{3134}, size_t{3135}}) {
    VirtualLex shortFile(folder.Write("short.lex", full.substr(0, length)));
    shortFile.ReadHeader();
    EXPECT_EQ(shortFile.header.magic, 0u) << length;
    EXPECT_EQ(shortFile.header.wordCount, 0u) << length;
    // Never a header written into a file that cannot hold one.
    EXPECT_EQ(ErrorOf([&] { shortFile.SetFlag(true); }),
              "Sorvane was unable to open Lexicon: " + shortFile.path);
    EXPECT_EQ(ReadWholeFile(shortFile.path).size(), length);
  }
  VirtualLex missing(folder / "missing.lex");
  const std::string expected = "Sorvane was unable to open Lexicon: " + missing.path;
  EXPECT_EQ(ErrorOf([&] { missing.ReadHeader(); }), expected);
  EXPECT_EQ(ErrorOf([&] { missing.WriteHeader(); }), expected);
  EXPECT_EQ(ErrorOf([&] { missing.Load(); }), expected);
}

TEST(VirtualLexTest, ImageIsTheFileAndAnEndMark) {
  TempFolder folder;
  CreateEmptyLexicon(folder / "e.lex");
  VirtualLex lexicon(folder / "e.lex");
  lexicon.Use(true);
  const auto image = lexicon.Image();
  ASSERT_NE(image, nullptr);
  EXPECT_EQ(image->Size(), 3136u);
  EXPECT_EQ(image->Data()[3136], 0xFF);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(image->Data()), 3136),
            ReadWholeFile(lexicon.path));
  lexicon.Use(false);
}

// Another program may rewrite a lexicon in place while it is loaded: the image then ends where
// the new file does, as a damaged lexicon would, and nothing crashes.
TEST(VirtualLexTest, AnImageOfAFileCutShortEndsEarly) {
  TempFolder folder;
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b)
      for (char c = 'a'; c <= 'z'; ++c) words.push_back(std::string{a, b, c, 'x'});
  VirtualLex lexicon(WriteLexicon(folder / "a.lex", words));
  lexicon.Use(true);
  const auto image = lexicon.Image();
  std::filesystem::resize_file(lexicon.path, 4096);
  const std::vector<std::string> left = DecodeAll(*image);
  EXPECT_LT(left.size(), words.size());
  lexicon.Use(false);
}

TEST(VirtualLexTest, UseCountHoldsTheImage) {
  TempFolder folder;
  VirtualLex lexicon(WriteLexicon(folder / "a.lex", {"ox"}));
  lexicon.Use(true);
  const LexImage* first = lexicon.Image().get();
  lexicon.Use(true);
  EXPECT_EQ(lexicon.UsageCount(), 2);
  EXPECT_EQ(lexicon.Image().get(), first);  // read once, however many hold it
  lexicon.Use(false);
  EXPECT_EQ(lexicon.UsageCount(), 1);
  EXPECT_NE(lexicon.Image(), nullptr);
  lexicon.Use(false);
  EXPECT_EQ(lexicon.UsageCount(), 0);
  EXPECT_EQ(lexicon.Image(), nullptr);
  EXPECT_DEBUG_DEATH(lexicon.Use(false), "release without a matching acquire");
  EXPECT_EQ(lexicon.UsageCount(), 0);
}

TEST(VirtualLexTest, FailedLoadRaisesNoCount) {
  TempFolder folder;
  VirtualLex lexicon(folder / "gone.lex");
  EXPECT_THROW(lexicon.Use(true), SorvaneException);
  EXPECT_EQ(lexicon.UsageCount(), 0);
  EXPECT_THROW(lexicon.Use(true), SorvaneException);  // tries again, never silently "loaded"
  EXPECT_EQ(lexicon.UsageCount(), 0);
  EXPECT_EQ(lexicon.Image(), nullptr);
}

TEST(VirtualLexTest, AReaderKeepsItsImageAfterTheLastRelease) {
  TempFolder folder;
  VirtualLex lexicon(WriteLexicon(folder / "a.lex", {"ox", "yak"}));
  lexicon.Use(true);
  const std::shared_ptr<const LexImage> held = lexicon.Image();
  lexicon.Use(false);
  EXPECT_EQ(lexicon.Image(), nullptr);
  EXPECT_THAT(DecodeAll(*held), ElementsAre("ox", "yak"));
}

TEST(VirtualLexThreads, SearchReadsWhileTheMainThreadReleases) {
  TempFolder folder;
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) words.push_back(std::string("ab") + a + b);
  VirtualLex lexicon(WriteLexicon(folder / "a.lex", words));
  for (int round = 0; round < 20; ++round) {
    lexicon.Use(true);
    std::atomic<bool> started{false};
    std::vector<std::string> found;
    std::thread search([&, image = lexicon.Image()] {
      started = true;
      found = DecodeAll(*image);
    });
    while (!started) std::this_thread::yield();
    lexicon.Use(false);  // a deselection while the search runs
    search.join();
    EXPECT_EQ(found, words);
  }
}

}  // namespace
