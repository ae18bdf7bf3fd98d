#include "search/results/Results.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>

#include "foundation/FolderPaths.h"
#include "foundation/LittleEndian.h"
#include "foundation/PathText.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "foundation/TextUtils.h"
#include "platform/HostedJob.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ProcessMemory.h"
#include "platform/ScriptedHost.h"
#include "platform/TickCount32.h"
#include "support/FileSizeLimit.h"
#include "support/ScopedAppPaths.h"
#include "support/ScopedFileSys.h"

namespace {

std::string U32(uint32_t value) {
  uint8_t bytes[4];
  WriteU32(bytes, value);
  return std::string(reinterpret_cast<const char*>(bytes), 4);
}

ResultsHeader HeaderOnDisk(const std::string& dataPath) {
  const std::string bytes = ReadWholeFile(dataPath);
  EXPECT_GE(bytes.size(), kResultsHeaderBytes);
  return DecodeResultsHeader(reinterpret_cast<const uint8_t*>(bytes.data()));
}

std::string Encoded(const ResultsHeader& header) {
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header, bytes);
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

// A sound saved pair holding lines, built by hand so that tests can damage any byte of it.
struct Pair {
  ResultsHeader header;
  std::string index;
  std::string lines;
  std::string Data() const { return Encoded(header) + lines; }
};

// Every file of a folder by name, with its bytes.
std::map<std::string, std::string> FolderFiles(const std::string& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    files[entry.path().filename().string()] = ReadWholeFile(entry.path().string());
  }
  return files;
}

Pair MakePair(const std::vector<std::string>& results) {
  Pair pair;
  pair.header.magic = kResultsMagic;
  pair.header.count = static_cast<uint32_t>(results.size());
  pair.header.ordering = kOrderAsFound;
  SetHeaderText(pair.header.find, "c?t");
  pair.index = U32(kResultsHeaderBytes);
  for (const std::string& result : results) {
    pair.lines += result + "\r\n";
    pair.index += U32(static_cast<uint32_t>(kResultsHeaderBytes + pair.lines.size()));
  }
  return pair;
}

class ResultsTest : public testing::Test {
 protected:
  ResultsTest() { Settings::Rebuild(); }

  // The settings a new store takes its ordering and direction from.
  static void UseOrdering(int32_t ordering, bool reverse = false) {
    Settings::Instance().SetInt(SettingId::SortType, ordering);
    Settings::Instance().SetInt(SettingId::SortMode, reverse ? 1 : 0);
  }
  static std::vector<std::string> AllResults(Results& results) {
    std::vector<std::string> all;
    for (uint32_t i = 0; i < results.Count(); ++i) all.push_back(results.GetResult(i));
    return all;
  }
  // A finished search that found words, in this order.
  static void Search(Results& results, const std::vector<std::string>& found,
                     const ResultsHeader& criteria = {}) {
    results.Clear();
    for (const std::string& word : found) results.Add(word);
    results.Finish(criteria);
  }
  std::string WritePair(const std::string& name, const Pair& pair) const {
    paths.Root().Write(name + ".idx", pair.index);
    return paths.Root().Write(name + ".kvq", pair.Data());
  }

  ScopedAppPaths paths;
  ScriptedHost host;
  ScopedHost hostScope{host};
  const std::vector<std::string> found = {"pear", "Apple", "fig", "apple", "banana", "fig"};
};

TEST_F(ResultsTest, AnEmptySearchLeavesTheHeaderAndOneIndexEntry) {
  Results results;
  Search(results, {});
  EXPECT_EQ(ReadWholeFile(results.DataFileName()).size(), kResultsHeaderBytes);
  EXPECT_EQ(ReadWholeFile(results.IndexFileName()), U32(824));
  const ResultsHeader header = HeaderOnDisk(results.DataFileName());
  EXPECT_EQ(header.magic, kResultsMagic);
  EXPECT_EQ(header.count, 0u);
  EXPECT_EQ(results.GetResult(0), "");
  EXPECT_EQ(results.DataFileName().rfind(Settings::Instance().GetString(SettingId::FolderTemp) + "/$$", 0), 0u);
  EXPECT_EQ(ExtractFileExt(results.DataFileName()), "rls");
  EXPECT_EQ(ExtractFileExt(results.IndexFileName()), "idx");
}

TEST_F(ResultsTest, EachOrderingKeepsItsOrderAndItsRepeats) {
  struct Case {
    int32_t ordering;
    std::vector<std::string> stored;
  };
  const Case cases[] = {
      {kOrderByWord, {"Apple", "banana", "fig", "pear"}},           // first of equals kept
      {kOrderByLengthThenWord, {"fig", "pear", "Apple", "banana"}},
      {kOrderAsFound, {"pear", "Apple", "fig", "apple", "banana", "fig"}},
  };
  for (const Case& c : cases) {
    UseOrdering(c.ordering);
    Results results;
    results.Clear();
    for (const std::string& word : found) results.Add(word);
    EXPECT_EQ(results.Count(), 6u) << "repeats count until the search finishes";
    results.Finish({});
    EXPECT_EQ(AllResults(results), c.stored) << c.ordering;
    EXPECT_EQ(HeaderOnDisk(results.DataFileName()).count, c.stored.size());
    EXPECT_EQ(HeaderOnDisk(results.DataFileName()).ordering, c.ordering);
    std::string lines;
    for (const std::string& word : c.stored) lines += word + "\r\n";
    EXPECT_EQ(ReadWholeFile(results.DataFileName()).substr(kResultsHeaderBytes), lines);
  }
}

TEST_F(ResultsTest, AWordFoundInTwoLexiconsIsStoredOnceOnlyWhenSorted) {
  UseOrdering(kOrderByWord);
  Results sorted;
  Search(sorted, {"cat", "cat"});
  EXPECT_EQ(sorted.Count(), 1u);
  UseOrdering(kOrderAsFound);
  Results asFound;
  Search(asFound, {"cat", "cat"});
  EXPECT_EQ(asFound.Count(), 2u);
}

// Another copy of the program may hold the names this one draws next (they come from the clock):
// the store draws past them and never writes into the other's files.
TEST_F(ResultsTest, NamesHeldByAnotherProgramAreDrawnPast) {
  const uint32_t now = TickCount32();
  std::vector<std::string> theirs;
  for (uint32_t tick = now; tick < now + 3000; ++tick) {
    const std::string name = "$$" + IntToStrRadix(static_cast<int32_t>(tick), 36);
    for (const char* extension : {".rls", ".idx"}) {
      theirs.push_back(GetTempFilePath(name) + extension);
      std::ofstream(theirs.back()) << "theirs";
    }
  }
  Results results;
  Search(results, found);
  EXPECT_EQ(AllResults(results).size(), found.size());
  for (const std::string& path : theirs) {
    EXPECT_NE(path, results.DataFileName());
    EXPECT_NE(path, results.IndexFileName());
  }
  for (const std::string& path : theirs) ASSERT_EQ(ReadWholeFile(path), "theirs") << path;
}

TEST_F(ResultsTest, FinishWritesUnderADialogWithoutCancel) {
  UseOrdering(kOrderByWord);
  Results results;
  Search(results, found);
  ASSERT_EQ(host.Jobs().size(), 1u);
  EXPECT_EQ(host.Jobs()[0].message, "Sorting Results");
  EXPECT_FALSE(host.Jobs()[0].showCancel);

  UseOrdering(kOrderAsFound);
  Results asFound;
  Search(asFound, found);
  EXPECT_EQ(host.Jobs().size(), 1u);  // results as found have nothing to sort
  EXPECT_EQ(AllResults(asFound), found);
}

// A sanitiser's allocator keeps freed memory on purpose: the figures say nothing there.
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kSanitised = true;
#else
constexpr bool kSanitised = false;
#endif

TEST_F(ResultsTest, ASortAndAReSortGiveTheirMemoryBack) {
  if (kSanitised) GTEST_SKIP() << "sanitised build";
  UseOrdering(kOrderByWord);
  Results results;
  const long before = ResidentKilobytes();
  results.Clear();
  // A million distinct results, each longer than a short string keeps in place.
  char text[32];
  for (long long i = 0; i < 1000000; ++i) {
    std::snprintf(text, sizeof text, "result %07lld of the sort", i * 7919 % 1000000);
    results.Add(text);
  }
  results.Finish({});
  ASSERT_EQ(results.Count(), 1000000u);
  EXPECT_LT(ResidentKilobytes() - before, 32 * 1024);
  results.SetSortType(kOrderByLengthThenWord);
  ASSERT_EQ(results.Count(), 1000000u);
  EXPECT_LT(ResidentKilobytes() - before, 32 * 1024);
}

TEST_F(ResultsTest, ReverseReadsLastToFirstUnlessAResultSpansSeveralLines) {
  UseOrdering(kOrderAsFound, /*reverse=*/true);
  Results results;
  EXPECT_EQ(results.Reverse(), 1);
  Search(results, {"one", "two", "three"});
  EXPECT_EQ(AllResults(results), (std::vector<std::string>{"three", "two", "one"}));
  EXPECT_EQ(results.GetBlock(0, 3), "one\r\ntwo\r\nthree\r\n");  // stored order
  results.SetWordsPerResult(2);
  EXPECT_EQ(results.EffectiveOrdering(), kOrderAsFound);
  EXPECT_EQ(results.GetResult(0), "one");
  results.SetSortDirection(0);
  EXPECT_EQ(HeaderOnDisk(results.DataFileName()).reverse, 0);
}

TEST_F(ResultsTest, GetBlockAndReadsPastTheEnd) {
  Results results;
  Search(results, {"a", "bb", "ccc"});
  EXPECT_EQ(results.GetBlock(1, 3), "bb\r\nccc\r\n");
  EXPECT_EQ(results.GetBlock(2, 99), "ccc\r\n");
  EXPECT_EQ(results.GetBlock(3, 5), "");
  EXPECT_EQ(results.GetResult(3), "");
  EXPECT_EQ(results.Longest(), 3u);
}

// Results reach the files a block at a time; a reader during the search sees every one added,
// whichever read it is and wherever the blocks end.
TEST_F(ResultsTest, ResultsAreReadableAsSoonAsTheyAreAdded) {
  Results results;
  results.Clear();
  std::vector<std::string> added;
  std::string lines;
  for (int i = 0; i < 5000; ++i) {
    added.push_back(std::string(1 + i % 23, static_cast<char>('a' + i % 26)));
    results.Add(added.back());
    lines += added.back() + "\r\n";
    if (i % 997 == 0 || i == 4999) {
      ASSERT_EQ(results.GetResult(static_cast<uint32_t>(i)), added.back()) << i;
      ASSERT_EQ(results.GetBlock(0, 1), added.front() + "\r\n") << i;
      ASSERT_EQ(AllResults(results), added) << i;
    }
  }
  results.Finish({});
  EXPECT_EQ(ReadWholeFile(results.DataFileName()).substr(kResultsHeaderBytes), lines);
  EXPECT_EQ(ReadWholeFile(results.IndexFileName()).size(), (added.size() + 1) * 4);
  EXPECT_EQ(HeaderOnDisk(results.DataFileName()).count, added.size());
}

// A disk that fills during a search: the search is told, and the finished store counts only
// what its pair holds, each result readable.
TEST_F(ResultsTest, AFullDiskStopsTheSearchAndTheCountKeepsToThePair) {
  Results results;
  results.Clear();
  const std::string word = "abcdefghij";
  std::string failure;
  {
    FileSizeLimit limit(kResultsHeaderBytes + 100000);
    try {
      for (int i = 0; i < 100000; ++i) results.Add(word);
    } catch (const SorvaneException& e) {
      failure = e.what();
    }
  }
  EXPECT_EQ(failure, "Unable to Write to the Temp Folder " +
                         Settings::Instance().GetString(SettingId::FolderTemp));
  results.Finish({});
  const uint32_t held = results.Count();
  EXPECT_GT(held, 0u);
  EXPECT_LE((held + 1) * 4, ReadWholeFile(results.IndexFileName()).size());
  EXPECT_LE(kResultsHeaderBytes + held * (word.size() + 2),
            ReadWholeFile(results.DataFileName()).size());
  EXPECT_EQ(HeaderOnDisk(results.DataFileName()).count, held);
  EXPECT_EQ(results.GetResult(held - 1), word);
  EXPECT_EQ(results.GetResult(held), "");
  EXPECT_THROW(results.Add(word), SorvaneException);
}

TEST_F(ResultsTest, TheHeaderTakesTheCriteriaCutToTheirFields) {
  ResultsHeader criteria;
  const std::string find(300, 'f');
  SetHeaderText(criteria.find, find);
  SetHeaderText(criteria.from, "AEST?");
  SetHeaderText(criteria.include, std::string(40, 'i'));
  SetHeaderText(criteria.exclude, "xz");
  SetHeaderText(criteria.keyWords, "red \"fire engine\"");
  criteria.useAllFrom = 1;
  criteria.caseSensitive = 1;
  criteria.count = 99;  // not taken: the store knows its own count
  Results results;
  Search(results, {"stage"}, criteria);
  const ResultsHeader header = HeaderOnDisk(results.DataFileName());
  EXPECT_EQ(std::string(header.find), find.substr(0, 240));
  EXPECT_EQ(std::string(header.from), "AEST?");
  EXPECT_EQ(std::string(header.include), std::string(31, 'i'));
  EXPECT_EQ(std::string(header.exclude), "xz");
  EXPECT_EQ(std::string(header.keyWords), "red \"fire engine\"");
  EXPECT_EQ(header.useAllFrom, 1);
  EXPECT_EQ(header.suppressPermutations, 0);
  EXPECT_EQ(header.caseSensitive, 1);
  EXPECT_EQ(header.count, 1u);
  EXPECT_EQ(header.longest, 5);
  EXPECT_EQ(Encoded(header), ReadWholeFile(results.DataFileName()).substr(0, 824));
}

TEST_F(ResultsTest, SavedResultsReopenWithTheSameResultsAndHeader) {
  UseOrdering(kOrderByLengthThenWord, /*reverse=*/true);
  ResultsHeader criteria;
  SetHeaderText(criteria.find, "*");
  Results results;
  Search(results, found, criteria);
  const std::string saved = paths.Root() / "My.Docs/saved";
  std::filesystem::create_directories(paths.Root() / "My.Docs");
  ASSERT_TRUE(results.SaveToFile(saved));
  EXPECT_EQ(ReadWholeFile(saved + ".kvq"), ReadWholeFile(results.DataFileName()));
  EXPECT_EQ(ReadWholeFile(saved + ".idx"), ReadWholeFile(results.IndexFileName()));
  EXPECT_EQ(host.Jobs().size(), 3u);  // the sort, then one copy per file
  EXPECT_EQ(host.Jobs()[1].message, "Copying File");

  UseOrdering(kOrderAsFound);
  Results reopened;
  const ResultsHeader header = reopened.LoadFromFile(saved + ".kvq");
  EXPECT_EQ(Encoded(header), Encoded(results.Header()));
  EXPECT_EQ(reopened.Reverse(), 1);
  EXPECT_EQ(reopened.Ordering(), kOrderByLengthThenWord);
  EXPECT_EQ(AllResults(reopened), AllResults(results));
  EXPECT_EQ(reopened.Longest(), 6u);
  EXPECT_TRUE(host.Boxes().empty());

  // The saved pair is now the one open; a later search goes back to the temporary pair.
  EXPECT_EQ(reopened.DataFileName(), saved + ".kvq");
  Search(reopened, {"kiwi"});
  EXPECT_EQ(ExtractFileExt(reopened.DataFileName()), "rls");
  EXPECT_EQ(AllResults(reopened), std::vector<std::string>{"kiwi"});
}

TEST_F(ResultsTest, SavingOntoThePairAlreadyOpenDoesNothing) {
  const std::string saved = WritePair("saved", MakePair({"one", "two"}));
  Results results;
  results.LoadFromFile(saved);
  const std::string before = ReadWholeFile(saved);
  EXPECT_TRUE(results.SaveToFile(saved));
  EXPECT_TRUE(results.SaveToFile(paths.Root() / "./saved.idx"));  // another spelling
  EXPECT_TRUE(host.Jobs().empty());
  EXPECT_EQ(ReadWholeFile(saved), before);
  // Names differing only in case are other files here: a real save.
  EXPECT_TRUE(results.SaveToFile(paths.Root() / "Saved"));
  EXPECT_EQ(ReadWholeFile(paths.Root() / "Saved.kvq"), before);
}

TEST_F(ResultsTest, AFailedSaveIsReportedAndLeavesNoHalfPair) {
  Results results;
  Search(results, {"one", "two"});
  // The index copy fails: a folder stands where it would go.
  std::filesystem::create_directories(paths.Root() / "out.idx");
  EXPECT_FALSE(results.SaveToFile(paths.Root() / "out"));
  EXPECT_FALSE(std::filesystem::exists(paths.Root() / "out.kvq"));
  // The data copy fails: its folder is missing.
  EXPECT_FALSE(results.SaveToFile(paths.Root() / "missing/out"));
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].text, "Unable to Open File " + paths.Root() / "out.idx");
  EXPECT_EQ(boxes[0].caption, "Unable to Open File");
  EXPECT_EQ(boxes[1].text, "Unable to Open File " + paths.Root() / "missing/out.kvq");
  EXPECT_EQ(AllResults(results), (std::vector<std::string>{"one", "two"}));
}

TEST_F(ResultsTest, SavingNeverTruncatesThePairBeingRead) {
  Results results;
  Search(results, {"one", "two"});
  const std::string index = ReadWholeFile(results.IndexFileName());
  // A name whose ".idx" is the store's own temporary index.
  EXPECT_FALSE(results.SaveToFile(ChangeFileExt(results.IndexFileName(), "x")));
  EXPECT_EQ(ReadWholeFile(results.IndexFileName()), index);
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].text, "File Already Open " + results.IndexFileName());
  EXPECT_EQ(AllResults(results), (std::vector<std::string>{"one", "two"}));
}

TEST_F(ResultsTest, DamagedOrMismatchedPairsAreRefusedAndTheCurrentResultsStay) {
  const Pair sound = MakePair({"cat", "dog", "emu"});
  const auto damaged = [&](const std::function<void(Pair&)>& damage) {
    Pair pair = sound;
    damage(pair);
    return pair;
  };
  const std::vector<std::pair<std::string, Pair>> cases = {
      {"magic", damaged([](Pair& p) { p.header.magic = 600; })},
      {"count above index", damaged([](Pair& p) { p.header.count = 4; })},
      {"count below index", damaged([](Pair& p) { p.header.count = 2; })},
      {"first entry", damaged([](Pair& p) { p.index.replace(0, 4, U32(830)); })},
      {"entries swapped", damaged([](Pair& p) { p.index = U32(824) + U32(834) + U32(829) + U32(839); })},
      {"entry without CR LF", damaged([](Pair& p) { p.index.replace(4, 4, U32(825)); })},
      {"data cut short", damaged([](Pair& p) { p.lines.resize(p.lines.size() - 1); })},
      // The index of another save (as many results, as many bytes for "as long"), put with this
      // data by hand or met while a save moved in.
      {"other save", damaged([](Pair& p) { p.index = U32(824) + U32(828) + U32(832) + U32(835); })},
      {"as long", damaged([](Pair& p) { p.index = U32(824) + U32(827) + U32(834) + U32(839); })},
      {"FIND not ended", damaged([](Pair& p) { std::memset(p.header.find, 'f', sizeof p.header.find); })},
      {"Include not ended", damaged([](Pair& p) { std::memset(p.header.include, 'i', 32); })},
      {"ordering", damaged([](Pair& p) { p.header.ordering = 7; })},
      {"reverse", damaged([](Pair& p) { p.header.reverse = 2; })},
  };
  Results results;
  Search(results, {"kept"});
  for (const auto& [what, pair] : cases) {
    const std::string path = WritePair("damaged", pair);
    try {
      results.LoadFromFile(path);
      ADD_FAILURE() << what << " was accepted";
    } catch (const SorvaneException& e) {
      EXPECT_STREQ(e.what(), "Not a valid results file") << what;
    }
    EXPECT_EQ(results.Count(), 1u) << what;
    EXPECT_EQ(results.GetResult(0), "kept") << what;
  }
  paths.Root().Write("short.kvq", Encoded(sound.header).substr(0, 800));
  EXPECT_THROW(results.LoadFromFile(paths.Root() / "short.kvq"), SorvaneException);
  paths.Root().Write("alone.kvq", sound.Data());
  try {
    results.LoadFromFile(paths.Root() / "alone.kvq");
    ADD_FAILURE() << "a data file without its index was accepted";
  } catch (const SorvaneException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to Open File " + paths.Root() / "alone.idx");
  }
  EXPECT_EQ(results.GetResult(0), "kept");
}

TEST_F(ResultsTest, AStoredLongestIsNotTrustedForReading) {
  Pair pair = MakePair({"cat", "hippopotamus"});
  pair.header.longest = 0xFFFF;
  Results results;
  results.LoadFromFile(WritePair("odd", pair));
  EXPECT_EQ(results.Longest(), 12u);
  EXPECT_EQ(results.GetResult(1), "hippopotamus");
}

TEST_F(ResultsTest, ADataFileCutAfterLoadingReadsAsEmptyTexts) {
  std::vector<std::string> words;
  for (int i = 0; i < 1000; ++i) words.push_back("word" + std::to_string(10000 + i));
  const std::string path = WritePair("live", MakePair(words));
  Results results;
  results.LoadFromFile(path);
  std::filesystem::resize_file(path, kResultsHeaderBytes + 11 * 500);  // another program cut it
  EXPECT_EQ(results.GetResult(999), "");
  EXPECT_EQ(results.GetBlock(0, 1000), "");
  EXPECT_EQ(results.GetResult(499), "word10499");
}

TEST_F(ResultsTest, TheOrderingIsSavedAsTheOneInForce) {
  UseOrdering(kOrderByWord, /*reverse=*/true);
  Results results;
  results.SetWordsPerResult(3);
  results.SaveSortSettings();
  EXPECT_EQ(Settings::Instance().GetInt(SettingId::SortType), kOrderAsFound);
  EXPECT_EQ(Settings::Instance().GetInt(SettingId::SortMode), 1);
  UseOrdering(9);  // no such ordering: results stay as found
  EXPECT_EQ(Results().Ordering(), kOrderAsFound);
}

TEST_F(ResultsTest, TheTemporaryPairGoesWithTheStore) {
  std::string data, index;
  {
    Results results;
    Search(results, {"cat"});
    data = results.DataFileName();
    index = results.IndexFileName();
    EXPECT_TRUE(std::filesystem::exists(data) && std::filesystem::exists(index));
  }
  EXPECT_FALSE(std::filesystem::exists(data));
  EXPECT_FALSE(std::filesystem::exists(index));
}

TEST_F(ResultsTest, AFailedSaveLeavesThePairSavedBeforeAsItWas) {
  Results results;
  Search(results, {"cat", "cot"});
  const std::string folder = paths.Root() / "saves";
  std::filesystem::create_directories(folder);
  ASSERT_TRUE(results.SaveToFile(folder + "/old"));
  const auto before = FolderFiles(folder);
  std::vector<std::string> many;
  for (int i = 0; i < 500; ++i) many.push_back("word" + std::to_string(i));
  Search(results, many);
  {
    FileSizeLimit full(kResultsHeaderBytes + 1000);
    EXPECT_FALSE(results.SaveToFile(folder + "/old"));
  }
  EXPECT_EQ(FolderFiles(folder), before);
  EXPECT_EQ(host.Boxes().back().text, "Unable to Write File " + folder + "/old.kvq");
  // The data file has moved in when the index is refused its move: it goes back.
  struct IndexMoveFails : FileSys {
    int Rename(const std::string& from, const std::string& to) override {
      return ExtractFileExt(to) == "idx" ? EIO : FileSys::Rename(from, to);
    }
  } indexMoveFails;
  {
    ScopedFileSys scoped(indexMoveFails);
    EXPECT_FALSE(results.SaveToFile(folder + "/old"));
  }
  EXPECT_EQ(FolderFiles(folder), before);
  ASSERT_TRUE(results.SaveToFile(folder + "/old"));
  EXPECT_EQ(ReadWholeFile(folder + "/old.kvq"), ReadWholeFile(results.DataFileName()));
  EXPECT_EQ(FolderFiles(folder).size(), 2u);
}

// A full disk met only when the index's last buffer is flushed, after every result was handed
// over: the search is told, counts what the files hold, and is neither saved over the pair saved
// before nor exported. Nor is a store saved whose working file lost its tail unseen.
TEST_F(ResultsTest, AWriteFailingAtTheLastFlushIsToldAndNeverSaved) {
  const std::string folder = paths.Root() / "saves";
  std::filesystem::create_directories(folder);
  Results results;
  Search(results, {"cat", "cot"});
  ASSERT_TRUE(results.SaveToFile(folder + "/old"));
  const auto before = FolderFiles(folder);
  results.Clear();
  {
    // 2,000 results of 3 bytes: the data file (6,824 bytes) fits, the index (8,004 bytes, within
    // one stream buffer) meets the limit at the end.
    FileSizeLimit limit(7000);
    for (int i = 0; i < 2000; ++i) results.Add("a");
    results.Finish({});
  }
  const std::string told = "Unable to Write to the Temp Folder " +
                           Settings::Instance().GetString(SettingId::FolderTemp);
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].text, told);
  EXPECT_EQ(results.Count(), 7000u / 4 - 1);
  EXPECT_EQ(results.GetResult(results.Count() - 1), "a");
  EXPECT_EQ(HeaderOnDisk(results.DataFileName()).count, results.Count());
  EXPECT_FALSE(results.SaveToFile(folder + "/old"));
  EXPECT_EQ(host.Boxes().back().text, told);
  EXPECT_FALSE(results.SaveAsText(folder + "/old.txt"));
  EXPECT_EQ(FolderFiles(folder), before);

  Search(results, {"cat", "cot", "cut"});
  std::filesystem::resize_file(results.IndexFileName(), 12);
  EXPECT_FALSE(results.SaveToFile(folder + "/old"));
  EXPECT_EQ(host.Boxes().back().text, told);
  EXPECT_EQ(FolderFiles(folder), before);
}

// A save that cannot be made says why: before any search there is nothing to save, and a copy
// stopped by a signal (as a stopping host cancels it) names the file that stays as it was.
TEST_F(ResultsTest, ASaveThatIsNotMadeSaysWhy) {
  const std::string target = paths.Root() / "out";
  Results results;
  EXPECT_FALSE(results.SaveToFile(target));
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].text, "There are no results to save: run a search first.");

  struct StoppingHost : ScriptedHost {
    void RunJob(HostedJob& job, const std::string& message, bool showCancel,
                const void* owner) override {
      job.Cancel();
      ScriptedHost::RunJob(job, message, showCancel, owner);
    }
  } stopping;
  ScopedHost stoppingScope(stopping);
  Search(results, {"cat"});
  EXPECT_FALSE(results.SaveToFile(target));
  ASSERT_EQ(stopping.Boxes().size(), 1u);
  EXPECT_EQ(stopping.Boxes()[0].text,
            "The save was stopped, and this file left as it was: " + target + ".kvq");
  EXPECT_FALSE(std::filesystem::exists(target + ".kvq"));
}

TEST_F(ResultsTest, ASavedPairIsOnlyReadAndItsNewHeaderGoesToTheCopy) {
  const std::string saved = WritePair("saved", MakePair({"one", "two"}));
  const std::string before = ReadWholeFile(saved);
  std::filesystem::permissions(saved, std::filesystem::perms::owner_read);
  Results results;
  results.LoadFromFile(paths.Root() / "saved");  // the name as saved, without ".kvq"
  results.SetSortDirection(1);
  EXPECT_EQ(ReadWholeFile(saved), before);
  EXPECT_EQ(AllResults(results), (std::vector<std::string>{"two", "one"}));
  ASSERT_TRUE(results.SaveToFile(paths.Root() / "copy"));
  EXPECT_EQ(HeaderOnDisk(paths.Root() / "copy.kvq").reverse, 1);
  EXPECT_EQ(ReadWholeFile(saved), before);
}

TEST_F(ResultsTest, ResultsPastTheFourGigabyteLimitAreSaidToBeIncomplete) {
  // A sparse pair whose one result ends just short of the limit.
  Pair pair = MakePair({});
  pair.header.count = 1;
  pair.index += U32(0xFFFFFFF0u);
  const std::string data = WritePair("full", pair);
  std::filesystem::resize_file(data, 0xFFFFFFF0u);
  std::fstream(data, std::ios::in | std::ios::out | std::ios::binary).seekp(0xFFFFFFEEu) << "\r\n";
  Results results;
  results.LoadFromFile(data);
  try {
    results.Append("seventeen letters");
    FAIL() << "appended past the limit";
  } catch (const SorvaneException& error) {
    EXPECT_STREQ(error.what(),
                 "The results have reached their limit of 4 GB. The list of "
                 "results is incomplete.");
  }
  EXPECT_EQ(results.Count(), 1u);
}

// A sorted search gathers its results before it writes any: it stops at the same result as the
// search as found, and its pair holds those results in order without repeats.
TEST_F(ResultsTest, ASortedSearchMeetsTheLimitWhereTheSameSearchAsFoundDoes) {
  std::vector<std::string> results;
  for (int i = 0; i < 400; ++i) results.push_back(std::string(1 + i % 7, char('a' + i * 7 % 26)));
  const auto stopsAt = [&](Results& store) {
    store.SetDataLimit(kResultsHeaderBytes + 1000);
    store.Clear();
    for (size_t i = 0; i < results.size(); ++i) {
      try {
        store.Add(results[i]);
      } catch (const SorvaneException& error) {
        EXPECT_STREQ(error.what(),
                     "The results have reached their limit of 4 GB. The list of "
                     "results is incomplete.");
        store.Finish({});
        return i;
      }
    }
    return results.size();
  };
  UseOrdering(kOrderAsFound);
  Results asFound;
  const size_t stop = stopsAt(asFound);
  ASSERT_LT(stop, results.size());
  UseOrdering(kOrderByWord);
  Results sorted;
  EXPECT_EQ(stopsAt(sorted), stop);
  const std::set<std::string> expected(results.begin(), results.begin() + stop);
  EXPECT_EQ(AllResults(sorted), std::vector<std::string>(expected.begin(), expected.end()));
}

}  // namespace
