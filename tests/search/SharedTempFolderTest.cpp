// Several copies of the program searching at once share one Temp folder. Each runs here as its
// own `lexicon-tool search` process: every one must find what a single run finds, report
// nothing, and leave the Temp folder empty.

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "support/TempFolder.h"

namespace {

namespace fs = std::filesystem;

constexpr int kProcesses = 8;
constexpr int kRounds = 4;

class SharedTempFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* list : {kAmerican, kBritish}) {
      if (!fs::exists(list)) GTEST_SKIP() << list << " is not installed";
    }
    // A copy of the tool of its own: its Temp folder is the one beside it, and its settings
    // store lies in the test's folder.
    fs::create_directories(folder_ / "bin");
    fs::copy_file(std::string(SORVANE_BIN_DIR) + "/lexicon-tool", tool_);
    ASSERT_EQ(Run(tool_ + " build " + kAmerican + " " + folder_ / "a.lex >/dev/null"), 0);
    ASSERT_EQ(Run(tool_ + " build " + kBritish + " " + folder_ / "b.lex >/dev/null"), 0);
  }

  int Run(const std::string& command) const {
    const std::string home = folder_ / "home";
    const std::string environment = "export HOME=" + home + " XDG_CONFIG_HOME=" + home +
                                     "/config XDG_DATA_HOME=" + home +
                                     "/data XDG_CONFIG_DIRS=" + folder_ / "etc; ";
    return std::system(("cd " + folder_.Path() + " && " + environment + command).c_str());
  }

  // Two lexicons, so that the analysis before the search merges as well as moves.
  std::string Search() const {
    return tool_ + " search --find '* * *' --from conversations a.lex b.lex";
  }

  bool TempFolderIsEmpty() const { return fs::is_empty(folder_ / "bin/Temp"); }

  static constexpr const char* kAmerican = "/usr/share/dict/american-english";
  static constexpr const char* kBritish = "/usr/share/dict/british-english";
  TempFolder folder_;
  const std::string tool_ = folder_ / "bin/lexicon-tool";
};

TEST_F(SharedTempFolderTest, SearchesInManyProcessesAtOnceMatchASingleRun) {
  ASSERT_EQ(Run(Search() + " >expected"), 0);
  const std::string expected = ReadWholeFile(folder_ / "expected");
  ASSERT_GT(expected.size(), 100000u);
  ASSERT_TRUE(TempFolderIsEmpty());

  for (int round = 0; round < kRounds; ++round) {
    std::string all;
    for (int i = 0; i < kProcesses; ++i) {
      const std::string n = std::to_string(i);
      all += "(" + Search() + " >out" + n + " 2>err" + n + "; echo $? >status" + n + ") & ";
    }
    ASSERT_EQ(Run(all + "wait"), 0);
    for (int i = 0; i < kProcesses; ++i) {
      const std::string n = std::to_string(i);
      SCOPED_TRACE("round " + std::to_string(round) + ", process " + n);
      EXPECT_EQ(ReadWholeFile(folder_ / "status" + n), "0\n");
      EXPECT_EQ(ReadWholeFile(folder_ / "err" + n), "");
      EXPECT_TRUE(ReadWholeFile(folder_ / "out" + n) == expected);
    }
    EXPECT_TRUE(TempFolderIsEmpty());
  }
}

}  // namespace
