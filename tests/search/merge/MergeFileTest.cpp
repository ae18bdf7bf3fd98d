#include "search/merge/MergeFile.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>

#include "foundation/File.h"
#include "support/ScopedFileSys.h"
#include "support/TempFolder.h"
#include "support/TestSettings.h"

namespace {

// Records are text lines, ordered by their first character only, so ties show which input
// a record came from.
class LineHandler {
 public:
  using Output = std::FILE;

  LineHandler(const std::string& input, const std::string& output, Output** stepOutput)
      : slot(stepOutput) {
    in.open(input);
    if (!in) throw SorvaneException("Unable to Open File " + input);
    if (!*slot) {
      *slot = std::fopen(output.c_str(), "wb");
      if (!*slot) throw SorvaneException("Unable to Open File " + output);
    }
    ReadRecord();
  }
  bool HasRecord() const { return has; }
  bool ReadRecord() { return has = static_cast<bool>(std::getline(in, line)); }
  void WriteRecord() { std::fprintf(*slot, "%s\n", line.c_str()); }
  static bool Less(const LineHandler& a, const LineHandler& b) { return a.line[0] < b.line[0]; }
  void Close() { CloseOutput(slot); }
  static void CloseOutput(Output** slot) {
    std::fclose(*slot);
    *slot = nullptr;
  }
  static void DiscardOutput(Output** slot) noexcept { CloseOutput(slot); }

 private:
  Output** slot;
  std::ifstream in;
  std::string line;
  bool has = false;
};

// A LineHandler that notes, as each step opens its inputs, the bytes the Temp folder holds.
uintmax_t peakTempBytes = 0;
std::string watchedTemp;

class TempWatchingHandler : public LineHandler {
 public:
  TempWatchingHandler(const std::string& input, const std::string& output, Output** stepOutput)
      : LineHandler(input, output, stepOutput) {
    uintmax_t bytes = 0;
    for (const auto& entry : std::filesystem::directory_iterator(watchedTemp))
      bytes += entry.file_size();
    peakTempBytes = std::max(peakTempBytes, bytes);
  }
};

// A file system that cannot swap two names, as some cannot.
class NoExchangeFileSys : public FileSys {
 public:
  int Exchange(const std::string&, const std::string&) override { return EINVAL; }
};

class MergeFileTest : public ::testing::Test {
 protected:
  std::vector<std::string> Inputs(const std::vector<std::string>& contents) {
    std::vector<std::string> paths;
    for (size_t i = 0; i < contents.size(); ++i)
      paths.push_back(folder.Write("in" + std::to_string(i), contents[i]));
    return paths;
  }
  size_t TempFileCount() const {
    size_t count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(settings.TempFolderPath()))
      count += entry.path().filename().string().rfind("$$", 0) == 0;
    return count;
  }

  TempFolder folder;
  TestSettings settings;
};

TEST_F(MergeFileTest, SingleInputIsMovedWithoutAStep) {
  const auto inputs = Inputs({"a\nb\n"});
  MergeFile<LineHandler> merge(inputs, folder / "out");
  EXPECT_TRUE(merge.RunMerge());
  EXPECT_EQ(merge.written, 0u);
  EXPECT_EQ(ReadWholeFile(folder / "out"), "a\nb\n");
  EXPECT_FALSE(std::filesystem::exists(inputs[0]));
}

TEST_F(MergeFileTest, SixInputsMergeInOrderKeepingEveryRecordAndTies) {
  const auto inputs = Inputs({"a1\nc1\n", "b2\n", "", "a4\nd4\n", "e5\n", "a6\nb6\n"});
  {
    MergeFile<LineHandler> merge(inputs, folder / "out");
    EXPECT_TRUE(merge.RunMerge());
    // Step 1 writes the 6 records of inputs 1-5, step 2 merges input 6 with them.
    EXPECT_EQ(merge.written, 6u + 8u);
  }
  // Equal keys come out in queue order: input 1, input 4, then input 6 (merged in step 2
  // after the first step's output, which was queued behind it).
  EXPECT_EQ(ReadWholeFile(folder / "out"), "a6\na1\na4\nb6\nb2\nc1\nd4\ne5\n");
  for (const auto& input : inputs) EXPECT_TRUE(std::filesystem::exists(input));
  EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(MergeFileTest, AllEmptyInputsGiveAnEmptyClosedOutput) {
  MergeFile<LineHandler> merge(Inputs({"", ""}), folder / "out");
  EXPECT_TRUE(merge.RunMerge());
  EXPECT_EQ(ReadWholeFile(folder / "out"), "");
}

TEST_F(MergeFileTest, StopLeavesNoOutputAndNoTemporaryFiles) {
  {
    MergeFile<LineHandler> merge(Inputs({"a\n", "b\n"}), folder / "out");
    merge.stopped = true;
    EXPECT_FALSE(merge.RunMerge());
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "out"));
  EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(MergeFileTest, MissingInputThrowsAndCleansUp) {
  auto inputs = Inputs({"a\n"});
  inputs.push_back(folder / "missing");
  {
    MergeFile<LineHandler> merge(inputs, folder / "out");
    EXPECT_THROW(merge.RunMerge(), SorvaneException);
  }
  EXPECT_FALSE(std::filesystem::exists(folder / "out"));
  EXPECT_EQ(TempFileCount(), 0u);
}

TEST_F(MergeFileTest, NoInputsMergeNothing) {
  MergeFile<LineHandler> merge({}, folder / "out");
  EXPECT_FALSE(merge.RunMerge());
  EXPECT_FALSE(std::filesystem::exists(folder / "out"));
}

TEST_F(MergeFileTest, FailedFinalMoveIsReported) {
  MergeFile<LineHandler> merge(Inputs({"a\n", "b\n"}), folder / "no-such-folder/out");
  EXPECT_THROW(merge.RunMerge(), SorvaneException);
}

// The owner's placeholder at the output takes the result: swapped with it where the file system
// can, replaced by a move where it cannot; either way no working file is left.
TEST_F(MergeFileTest, APlaceholderAtTheOutputTakesTheResult) {
  NoExchangeFileSys noExchange;
  for (FileSys* fileSys : {static_cast<FileSys*>(nullptr), static_cast<FileSys*>(&noExchange)}) {
    SCOPED_TRACE(fileSys ? "without exchange" : "with exchange");
    const std::string output = folder.Write("out", "");
    {
      std::optional<ScopedFileSys> installed;
      if (fileSys) installed.emplace(*fileSys);
      MergeFile<LineHandler> merge(Inputs({"b\n", "a\n"}), output);
      EXPECT_TRUE(merge.RunMerge());
    }
    EXPECT_EQ(ReadWholeFile(output), "a\nb\n");
    EXPECT_EQ(TempFileCount(), 0u);
  }
}

// 25 inputs of 4 bytes: five steps, then a sixth merging their five outputs. When it starts,
// the handed-over inputs are gone and only the 100 bytes of the first steps' outputs remain.
TEST_F(MergeFileTest, HandedOverInputsGoOnceTheirStepIsDone) {
  watchedTemp = settings.TempFolderPath();
  peakTempBytes = 0;
  std::vector<std::string> inputs;
  for (int i = 0; i < 25; ++i) {
    inputs.push_back(watchedTemp + "/$$in" + std::to_string(i));
    std::ofstream(inputs.back()) << "a\nb\n";
  }
  {
    MergeFile<TempWatchingHandler> merge(inputs, folder / "out",
                                         MergeFile<TempWatchingHandler>::Inputs::HandedOver);
    EXPECT_TRUE(merge.RunMerge());
  }
  EXPECT_EQ(peakTempBytes, 100u);
  std::string sorted;
  for (const char* record : {"a\n", "b\n"})
    for (int i = 0; i < 25; ++i) sorted += record;
  EXPECT_EQ(ReadWholeFile(folder / "out"), sorted);
  EXPECT_EQ(TempFileCount(), 0u);
}

}  // namespace
