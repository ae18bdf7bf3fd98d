// Adding and removing one word: the words before and after, the backup, the header's times and
// flag, and a lexicon left exactly as it was by every failure and cancel.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <ctime>
#include <filesystem>
#include <future>
#include <set>
#include <thread>

#include "foundation/ProgressDialog.h"
#include "foundation/SorvaneException.h"
#include "lexbuild/ModifyDictThread.h"
#include "platform/FileSys.h"
#include "platform/MessageBoxFlags.h"
#include "platform/ScriptedHost.h"
#include "search/lexicon/LexiconRewrite.h"
#include "search/lexicon/VirtualLex.h"
#include "search/selection/VirtualLexList.h"
#include "support/FileSizeLimit.h"
#include "support/LexiconFiles.h"
#include "support/FailingInstall.h"
#include "support/ScopedFileSys.h"
#include "support/SearchHarness.h"
#include "support/TestSettings.h"

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;

constexpr uint32_t kOldCompileTime = 1000000000;

uint32_t Now() { return static_cast<uint32_t>(std::time(nullptr)); }


// Byte comparison without printing lexicons on failure.
#define EXPECT_SAME_BYTES(a, b) EXPECT_TRUE((a) == (b))

class LexiconRewriteTest : public testing::Test {
 protected:
  // A lexicon of the words with an old compile time and the default flag set.
  std::string Lexicon(const std::string& name, const Words& words) {
    const std::string path = WriteLexicon(Folder() + name, InLexiconOrder(words));
    VirtualLex lexicon(path);
    lexicon.ReadHeader();
    lexicon.header.compileTime = kOldCompileTime;
    lexicon.header.defaultFlag = 1;
    lexicon.WriteHeader();
    return path;
  }
  std::string Folder() const { return settings.LexiconsFolderPath() + "/"; }
  std::set<std::string> TempFiles() const {
    std::set<std::string> names;
    for (const auto& entry : fs::directory_iterator(settings.TempFolderPath()))
      names.insert(entry.path().filename());
    return names;
  }
  static std::string Backup(const std::string& path) { return fs::path(path).replace_extension("lxb"); }

  TestSettings settings;
  ScriptedHost host;
  ScopedHost scope{host};
};

struct RewriteCase {
  const char* name;
  Words before;
  const char* word;
  bool remove;
  int32_t result;
  Words after;  // the words the lexicon holds afterwards
};

TEST_F(LexiconRewriteTest, EachAddAndRemoveCase) {
  const RewriteCase cases[] = {
      {"add before its equal", {"apple", "cat"}, "Apple", false, kRewriteDone, {"cat", "Apple", "apple"}},
      {"add in the middle", {"ox", "ape", "emu"}, "cat", false, kRewriteDone, {"ox", "ape", "cat", "emu"}},
      {"add at the end", {"ox"}, "zebra", false, kRewriteDone, {"ox", "zebra"}},
      {"add a word with marks", {"dont"}, "don't", false, kRewriteDone, {"don't", "dont"}},
      {"add a held word", {"cat", "dog"}, "cat", false, kRewriteAlreadyHeld, {"cat", "dog"}},
      {"remove a word", {"ape", "cat", "dog"}, "cat", true, kRewriteDone, {"ape", "dog"}},
      {"remove exactly", {"Cat", "cat"}, "Cat", true, kRewriteDone, {"cat"}},
      {"remove an absent word", {"cat"}, "Cat", true, kRewriteNotHeld, {"cat"}},
      {"remove the only word", {"cat"}, "cat", true, kRewriteEmptied, {"cat"}},
  };
  for (const RewriteCase& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string path = Lexicon("case.lex", c.before);
    fs::remove(Backup(path));
    const std::string before = ReadWholeFile(path);
    const auto temp = TempFiles();
    const uint32_t start = Now();
    std::vector<int32_t> percents;
    RewriteControl control;
    control.setProgress = [&](int32_t percent) { percents.push_back(percent); };
    EXPECT_EQ(LexiconRewrite(path, c.word, c.remove, control), c.result);
    const std::string after = ReadWholeFile(path);
    EXPECT_EQ(DecodeAll(after), c.after);
    EXPECT_EQ(TempFiles(), temp);
    if (c.result != kRewriteDone) {
      EXPECT_SAME_BYTES(after, before);
      EXPECT_FALSE(fs::exists(Backup(path)));
      continue;
    }
    EXPECT_SAME_BYTES(ReadWholeFile(Backup(path)), before);
    const DictionaryHeader header = HeaderOf(after);
    EXPECT_EQ(header.compileTime, kOldCompileTime);
    EXPECT_GE(header.modifyTime, start);
    EXPECT_LE(header.modifyTime, Now());
    EXPECT_EQ(header.defaultFlag, 1);
    EXPECT_EQ(header.wordCount, c.after.size());
    EXPECT_TRUE(std::is_sorted(percents.begin(), percents.end()));
    EXPECT_LE(percents.back(), 100);
  }
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(LexiconRewriteTest, AddingToNoLexiconStartsOne) {
  const std::string path = Folder() + "new.lex";
  const uint32_t start = Now();
  EXPECT_EQ(LexiconRewrite(path, "quokka", false), kRewriteDone);
  EXPECT_EQ(DecodeAll(ReadWholeFile(path)), Words{"quokka"});
  const DictionaryHeader header = HeaderOf(ReadWholeFile(path));
  EXPECT_GE(header.compileTime, start);
  EXPECT_EQ(header.defaultFlag, 0);
}

TEST_F(LexiconRewriteTest, RemovingTheOnlyWordRetiresTheLexiconOnTheLaunchersThread) {
  const std::string path = Lexicon("only.lex", {"cat"});
  const std::string before = ReadWholeFile(path);
  VirtualLexList list;
  list.ScanLexiconFolder();
  ASSERT_EQ(list.Records().size(), 1u);
  EXPECT_EQ(RunModifyDict("cat", path, true, list, nullptr), kRewriteEmptied);
  EXPECT_FALSE(fs::exists(path));
  EXPECT_SAME_BYTES(ReadWholeFile(Backup(path)), before);
  EXPECT_TRUE(list.Records().empty());
  EXPECT_EQ(host.Jobs().at(0).message, "Removing Word");
}

TEST_F(LexiconRewriteTest, CancelLeavesTheLexiconAsItWas) {
  Words words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) words.push_back(std::string{a, b, 'x'});
  const std::string path = Lexicon("big.lex", words);
  const std::string before = ReadWholeFile(path);
  const auto temp = TempFiles();
  for (const bool remove : {false, true}) {
    for (const int32_t at : {0, 50, 99}) {
      SCOPED_TRACE(std::to_string(remove) + " at " + std::to_string(at));
      VirtualLexList list;
      host.CancelJobAt(at);
      host.QueueAnswer(IDOK);  // "Cancel Operation?"
      EXPECT_EQ(RunModifyDict(remove ? "mmx" : "Mmx", path, remove, list, nullptr), kRewriteCancelled);
      EXPECT_SAME_BYTES(ReadWholeFile(path), before);
      EXPECT_FALSE(fs::exists(Backup(path)));
      EXPECT_EQ(TempFiles(), temp);
    }
  }
}

TEST_F(LexiconRewriteTest, AFailedInstallingMoveRestoresTheLexicon) {
  const std::string path = Lexicon("words.lex", {"ape", "cat"});
  const std::string before = ReadWholeFile(path);
  const auto temp = TempFiles();
  FailingInstall failing(path);
  ScopedFileSys scopedFileSys(failing);
  EXPECT_EQ(LexiconRewrite(path, "dog", false), kRewriteNotInstalled);
  EXPECT_SAME_BYTES(ReadWholeFile(path), before);
  EXPECT_FALSE(fs::exists(Backup(path)));
  EXPECT_EQ(TempFiles(), temp);
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0].text, "Sorvane could not rename this file: \n" + path);
}

TEST_F(LexiconRewriteTest, AFailedBackupStopsBeforeTheLexiconIsTouched) {
  const std::string path = Lexicon("words.lex", {"ape", "cat"});
  const std::string before = ReadWholeFile(path);
  const std::string oldBackup = WriteLexicon(Backup(path), {"old"});
  fs::permissions(oldBackup, fs::perms::owner_write, fs::perm_options::remove);
  const auto temp = TempFiles();
  EXPECT_EQ(LexiconRewrite(path, "dog", false), kRewriteNotInstalled);
  EXPECT_SAME_BYTES(ReadWholeFile(path), before);
  EXPECT_EQ(DecodeAll(ReadWholeFile(oldBackup)), Words{"old"});
  EXPECT_EQ(TempFiles(), temp);
  ASSERT_EQ(host.Boxes().size(), 1u);
  fs::permissions(oldBackup, fs::perms::owner_write, fs::perm_options::add);
}

TEST_F(LexiconRewriteTest, AFullDiskFailsTheJobAndChangesNothing) {
  Words words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) words.push_back(std::string{a, b, 'y', 'z'});
  const std::string path = Lexicon("big.lex", words);
  const std::string before = ReadWholeFile(path);
  const auto temp = TempFiles();
  for (const bool remove : {false, true}) {
    {
      FileSizeLimit limit(before.size() - 100);  // fails within the word stream
      VirtualLexList list;
      EXPECT_EQ(RunModifyDict(remove ? "mmyz" : "Mmyz", path, remove, list, nullptr), -1);
    }
    EXPECT_SAME_BYTES(ReadWholeFile(path), before);
    EXPECT_FALSE(fs::exists(Backup(path)));
    EXPECT_EQ(TempFiles(), temp);
  }
  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].caption, "Error");
  EXPECT_NE(boxes[0].text.find("Unable to Write to the Temp Folder "), std::string::npos);
}

TEST_F(LexiconRewriteTest, AMissingLexiconIsAnErrorForARemoval) {
  EXPECT_THROW(LexiconRewrite(Folder() + "none.lex", "cat", true), SorvaneException);
  EXPECT_FALSE(fs::exists(Folder() + "none.lex"));
}

TEST_F(LexiconRewriteTest, TwoRewritesAtOnceEachKeepTheirOwnCopy) {
  const std::string a = Lexicon("a.lex", {"ape"});
  const std::string b = Lexicon("b.lex", {"bee"});
  int32_t resultA = -2;
  std::thread other([&] { resultA = LexiconRewrite(a, "cat", false); });
  const int32_t resultB = LexiconRewrite(b, "dog", false);
  other.join();
  EXPECT_EQ(resultA, kRewriteDone);
  EXPECT_EQ(resultB, kRewriteDone);
  EXPECT_EQ(DecodeAll(ReadWholeFile(a)), (Words{"ape", "cat"}));
  EXPECT_EQ(DecodeAll(ReadWholeFile(b)), (Words{"bee", "dog"}));
}

TEST_F(LexiconRewriteTest, TwoAddsAtOnceKeepBothWords) {
  const std::string path = Lexicon("shared.lex", {"cat"});
  // While the first add copies the lexicon, a second one starts and is given time to finish.
  std::future<int32_t> second;
  RewriteControl control;
  control.setProgress = [&](int32_t) {
    if (second.valid()) return;
    second = std::async(std::launch::async, [&] { return LexiconRewrite(path, "dog", false); });
    second.wait_for(std::chrono::milliseconds(300));
  };
  EXPECT_EQ(LexiconRewrite(path, "emu", false, control), kRewriteDone);
  EXPECT_EQ(second.get(), kRewriteDone);
  EXPECT_EQ(DecodeAll(ReadWholeFile(path)), (Words{"cat", "dog", "emu"}));
  EXPECT_TRUE(host.Boxes().empty());
}

}  // namespace
