#include "search/engine/SubsetThread.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/ScriptedHost.h"
#include "search/results/TempResultsLock.h"
#include "support/LexiconFiles.h"
#include "support/SearchHarness.h"

namespace {

using Words = std::vector<std::string>;

size_t TemporaryFiles(const std::string& folder) {
  size_t count = 0;
  for (const auto& entry : std::filesystem::directory_iterator(folder))
    count += entry.path().filename().string().rfind("$$", 0) == 0 &&
             entry.path().extension() != ".MMF";
  return count;
}

TEST(SubsetThreadTest, SubsetHoldsEachWordTheLettersMakeOnce) {
  SearchHarness search({{"cat", "act", "dog", "tacos"}, {"cat", "at", "zoo"}, {"zzz"}});
  ASSERT_TRUE(search.Set("* *", "tca"));
  SubsetThread job(search.Request());
  EXPECT_EQ(job.Run(), SubsetThread::kReady);
  const auto image = search.Request().lexicons->subsetLexicon.Image();
  ASSERT_TRUE(image);
  EXPECT_EQ(DecodeAll(*image), (Words{"at", "act", "cat"}));
  EXPECT_EQ(TemporaryFiles(search.Request().lexicons->subsetLexicon.path.substr(
                0, search.Request().lexicons->subsetLexicon.path.rfind('/'))),
            0u);
}

TEST(SubsetThreadTest, TheSweepSparesALiveSubsetAndTakesAStaleOne) {
  SearchHarness search({{"cat", "act", "dog"}, {"at"}});
  const std::string& subset = search.Request().lexicons->subsetLexicon.path;
  const std::string folder = subset.substr(0, subset.rfind('/'));
  const std::string stale = folder + "/$$stale.MMF";
  std::ofstream(stale) << "left by a copy of the program that was killed";
  DeleteUnusedTempResults(folder);
  EXPECT_FALSE(std::filesystem::exists(stale));
  EXPECT_TRUE(std::filesystem::exists(subset));
  // The analysis puts a new file at the subset's name: it is held as the first was.
  ASSERT_TRUE(search.Set("* *", "tca"));
  ASSERT_EQ(SubsetThread(search.Request()).Run(), SubsetThread::kReady);
  DeleteUnusedTempResults(folder);
  EXPECT_TRUE(std::filesystem::exists(subset));
}

TEST(SubsetThreadTest, NoMatchingWordEndsWithoutASubsetOrAMessage) {
  SearchHarness search({Words{"dog", "zoo"}});
  ASSERT_TRUE(search.Set("* *", "tca"));
  EXPECT_FALSE(RunSubsetAnalysis(search.Request()));
  EXPECT_TRUE(search.host.Boxes().empty());
  EXPECT_FALSE(search.Request().lexicons->subsetLexicon.Image());
}

TEST(SubsetThreadTest, CancelLeavesTheSubsetAsItWas) {
  SearchHarness search({{"cat", "act"}, {"tact"}});
  ASSERT_TRUE(search.Set("* *", "tact"));
  SubsetThread first(search.Request());
  ASSERT_EQ(first.Run(), SubsetThread::kReady);
  const auto before = search.Request().lexicons->subsetLexicon.Image();

  SubsetThread cancelled(search.Request());
  cancelled.Cancel();  // before the first lexicon, or between two: either way nothing is built
  EXPECT_EQ(cancelled.Run(), SubsetThread::kCancelled);
  EXPECT_EQ(cancelled.ModalResult(), SubsetJob::kModalCancel);
  EXPECT_EQ(search.Request().lexicons->subsetLexicon.Image(), before);
}

TEST(SubsetThreadTest, AFailedMoveIsReportedAndEndsWithCancel) {
  SearchHarness search({{"cat"}});
  ASSERT_TRUE(search.Set("* *", "tca"));
  search.Request().lexicons->subsetLexicon.path = "/nonexistent-folder/subset.MMF";
  SubsetThread job(search.Request());
  EXPECT_EQ(job.Run(), SubsetThread::kMergeFailed);
  const auto boxes = search.host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].caption, "Sorvane Exception");
}

}  // namespace
