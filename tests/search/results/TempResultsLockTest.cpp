// The sweep of results working files spares those a store (of this or another copy of the
// program) holds.

#include <gtest/gtest.h>

#include <filesystem>

#include "search/results/Results.h"
#include "search/results/TempResultsLock.h"
#include "support/TestSettings.h"

namespace {
bool Exists(const std::string& path) { return std::filesystem::exists(path); }
}  // namespace

TEST(TempResultsLockTest, TheSweepDeletesOnlyUnheldWorkingFiles) {
  TestSettings settings;
  const TempFolder folder;
  const std::string loose = folder.Write("$$loose.rls", "x");
  const std::string looseIndex = folder.Write("$$loose.idx", "x");
  const std::string held = folder.Write("$$held.rls", "x");
  const std::string heldIndex = folder.Write("$$held.idx", "x");
  const std::string other = folder.Write("$$other.lex", "x");
  const std::string saved = folder.Write("mine.rls", "x");
  TempFileLock lock, indexLock;
  lock.Hold(held);
  indexLock.Hold(heldIndex);
  DeleteUnusedTempResults(folder.Path());
  EXPECT_FALSE(Exists(loose));
  EXPECT_FALSE(Exists(looseIndex));
  EXPECT_TRUE(Exists(held));
  EXPECT_TRUE(Exists(heldIndex));
  EXPECT_TRUE(Exists(other));
  EXPECT_TRUE(Exists(saved));
  lock.Release();
  indexLock.Release();
  DeleteUnusedTempResults(folder.Path());
  EXPECT_FALSE(Exists(held));
  EXPECT_FALSE(Exists(heldIndex));
}

TEST(TempResultsLockTest, AStoresOwnPairOutlivesTheSweepAsLongAsTheStore) {
  TestSettings settings;
  std::string data, index;
  {
    Results results;
    results.Clear();
    results.Add("cat");
    data = results.DataFileName();
    index = results.IndexFileName();
    DeleteUnusedTempResults(settings.TempFolderPath());
    EXPECT_TRUE(Exists(data));
    EXPECT_TRUE(Exists(index));
    // A new search makes a new pair, held as the first was.
    results.Clear();
    DeleteUnusedTempResults(settings.TempFolderPath());
    EXPECT_TRUE(Exists(results.DataFileName()));
    EXPECT_TRUE(Exists(results.IndexFileName()));
  }
  EXPECT_FALSE(Exists(data));
  EXPECT_FALSE(Exists(index));
}
