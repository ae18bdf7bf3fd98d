#include <gtest/gtest.h>

#include <filesystem>

#include "foundation/ProgressDialog.h"
#include "platform/ScriptedHost.h"
#include "search/merge/DictionaryMergeHandler.h"
#include "search/merge/MergeFile.h"
#include "search/merge/MergeLexiconsThread.h"
#include "search/selection/VirtualLexList.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"
#include "support/TestSettings.h"

namespace {

using Words = std::vector<std::string>;

class MergeLexiconsTest : public ::testing::Test {
 protected:
  MergeLexiconsTest() : scope(host) {}

  std::string Lexicon(const std::string& name, const Words& words) {
    return WriteLexicon(settings.LexiconsFolderPath() + "/" + name + ".lex", InLexiconOrder(words));
  }
  Words Merged(const std::vector<std::string>& sources) {
    const std::string output = settings.Root() / "merged.lex";
    MergeFile<DictionaryMergeHandler> merge(sources, output);
    EXPECT_TRUE(merge.RunMerge());
    return DecodeAll(ReadWholeFile(output));
  }

  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope;
};

TEST_F(MergeLexiconsTest, CommonWordsAreStoredOnceGroupedByLength) {
  const auto a = Lexicon("a", {"cat", "dog", "zebra", "ox"});
  const auto b = Lexicon("b", {"cat", "ape", "aardvark"});
  const auto empty = Lexicon("c", {});
  const std::string output = settings.Root() / "merged.lex";
  {
    MergeFile<DictionaryMergeHandler> merge({a, b, empty}, output);
    ASSERT_TRUE(merge.RunMerge());
  }
  const std::string bytes = ReadWholeFile(output);
  EXPECT_EQ(DecodeAll(bytes), (Words{"ox", "ape", "cat", "dog", "zebra", "aardvark"}));
  EXPECT_EQ(HeaderOf(bytes).wordCount, 6u);
  EXPECT_TRUE(std::filesystem::exists(a));  // sources stay
}

TEST_F(MergeLexiconsTest, SevenSourcesTakeTwoSteps) {
  std::vector<std::string> sources;
  Words expected;
  for (char c = 'a'; c < 'h'; ++c) {
    const std::string word = std::string(3, c);
    sources.push_back(Lexicon(std::string(1, c), {word}));
    expected.push_back(word);
  }
  EXPECT_EQ(Merged(sources), expected);
}

TEST_F(MergeLexiconsTest, TotalCountsEveryStepsWrites) {
  EXPECT_EQ(MergeLexiconsThread::ComputeTotal({100, 200, 300}), 600u);
  // Seven sources: five merged first (15), then the last two with that result.
  EXPECT_EQ(MergeLexiconsThread::ComputeTotal({1, 2, 3, 4, 5, 6, 7}), 15u + 6 + 7 + 15);
  EXPECT_EQ(MergeLexiconsThread::ComputeTotal({}), 0u);
}

TEST_F(MergeLexiconsTest, JobMergesAndReportsFailuresWithItsOwnCaption) {
  VirtualLexList list;
  const auto a = Lexicon("a", {"cat"});
  const auto b = Lexicon("b", {"dog"});
  list.ScanFiles({a, b});
  const std::string output = settings.Root() / "out.lex";
  {
    ProgressDialog dialog(nullptr, std::make_unique<MergeLexiconsThread>(
                                       std::vector<std::string>{a, b}, output, list));
    dialog.Start();
    EXPECT_EQ(dialog.GetResult(), 0);
    EXPECT_EQ(dialog.GetThread()->GetProgress(), 100);
  }
  EXPECT_EQ(DecodeAll(ReadWholeFile(output)), (Words{"cat", "dog"}));

  {
    ProgressDialog dialog(nullptr, std::make_unique<MergeLexiconsThread>(
                                       std::vector<std::string>{a, settings.Root() / "missing.lex"},
                                       settings.Root() / "out2.lex", list));
    dialog.Start();
    EXPECT_EQ(dialog.GetResult(), -1);
  }
  EXPECT_FALSE(std::filesystem::exists(settings.Root() / "out2.lex"));
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Sorvane Exception");
}

}  // namespace
