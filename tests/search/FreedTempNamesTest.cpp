// A working file moved out of its Temp name frees that name, and another copy of the program,
// drawing names from the same clock, may claim it at once. No job may delete such a name later.
// The file system here hands every freed Temp name to "another program" the moment a rename
// frees it; each job must leave those files as they are.

#include <gtest/gtest.h>

#include <fstream>
#include <string>
#include <vector>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/FileSys.h"
#include "search/lexicon/LexiconRewrite.h"
#include "search/merge/DictionaryMergeHandler.h"
#include "search/merge/MergeFile.h"
#include "support/LexiconFiles.h"
#include "support/ScopedFileSys.h"
#include "support/SearchHarness.h"
#include "support/TempFolder.h"
#include "support/TestSettings.h"

namespace {

constexpr const char* kTheirs = "another program's";

class ClaimingFreedNames : public FileSys {
 public:
  explicit ClaimingFreedNames(std::string tempFolder) : temp(std::move(tempFolder)) {}

  int Rename(const std::string& from, const std::string& to) override {
    const int result = FileSys::Rename(from, to);
    if (result == 0 && from.rfind(temp, 0) == 0) {
      std::ofstream(from) << kTheirs;
      claimed.push_back(from);
    }
    return result;
  }

  // Checks every claimed file is still the other program's, and removes it.
  void ExpectClaimsKept() {
    EXPECT_FALSE(claimed.empty()) << "nothing was moved out of the Temp folder";
    for (const std::string& path : claimed) {
      EXPECT_EQ(ReadWholeFile(path), kTheirs) << path;
      FileSys::Remove(path);
    }
  }

 private:
  std::string temp;
  std::vector<std::string> claimed;
};

TEST(FreedTempNamesTest, TheLexiconAnalysisLeavesNamesItMovedAway) {
  std::vector<std::string> even;
  std::vector<std::string> odd;
  const std::vector<std::string>& words = DebianWords();
  for (size_t i = 0; i < words.size(); ++i) (i % 2 ? odd : even).push_back(words[i]);
  SearchHarness search({even, odd});
  ClaimingFreedNames fileSys(Settings::Instance().GetString(SettingId::FolderTemp));
  {
    ScopedFileSys scoped(fileSys);
    search.Request().useAllFrom = 1;
    ASSERT_TRUE(search.Set("* *", "conversation"));
    EXPECT_FALSE(search.Phrases().empty());
  }
  fileSys.ExpectClaimsKept();
}

TEST(FreedTempNamesTest, TheLexiconMergeLeavesNamesItMovedAway) {
  TestSettings settings;
  const std::string folder = settings.LexiconsFolderPath() + "/";
  const std::vector<std::string> inputs = {WriteLexicon(folder + "a.lex", {"ant", "cat"}),
                                           WriteLexicon(folder + "b.lex", {"bee", "dog"}),
                                           WriteLexicon(folder + "c.lex", {"cow", "eel"})};
  ClaimingFreedNames fileSys(settings.TempFolderPath());
  {
    ScopedFileSys scoped(fileSys);
    MergeFile<DictionaryMergeHandler> merge(inputs, folder + "merged.lex");
    ASSERT_TRUE(merge.RunMerge());
  }
  fileSys.ExpectClaimsKept();
  EXPECT_EQ(DecodeAll(ReadWholeFile(folder + "merged.lex")).size(), 6u);
}

TEST(FreedTempNamesTest, TheWordRewriteLeavesTheNameItInstalledFrom) {
  TestSettings settings;
  const std::string lexicon =
      WriteLexicon(settings.LexiconsFolderPath() + "/words.lex", {"ant", "cat"});
  ClaimingFreedNames fileSys(settings.TempFolderPath());
  {
    ScopedFileSys scoped(fileSys);
    ASSERT_EQ(LexiconRewrite(lexicon, "dog", false), kRewriteDone);
  }
  fileSys.ExpectClaimsKept();
  EXPECT_EQ(DecodeAll(ReadWholeFile(lexicon)).size(), 3u);
}

}  // namespace
