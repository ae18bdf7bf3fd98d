// The whole chain from a word list to an installed lexicon, run as the create tab runs it.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <optional>
#include <random>
#include <set>

#include "foundation/CharClass.h"
#include "lexbuild/CreateLexicon.h"
#include "platform/Cp1252.h"
#include "platform/HostedJob.h"
#include "platform/ScriptedHost.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/selection/VirtualLexList.h"
#include "support/FailingInstall.h"
#include "support/FileSizeLimit.h"
#include "support/LexiconFiles.h"
#include "support/ScopedFileSys.h"
#include "support/SearchHarness.h"
#include "support/TestSettings.h"

namespace {

namespace fs = std::filesystem;
using Words = std::vector<std::string>;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// Presses Cancel in the job of the given number (from 0) once it reaches the given progress.
class PhaseCancelHost : public ScriptedHost {
 public:
  void RunJob(HostedJob& job, const std::string& message, bool showCancel,
              const void* owner) override {
    if (jobs++ == cancelJob) CancelJobAt(cancelAt);
    ScriptedHost::RunJob(job, message, showCancel, owner);
  }
  int cancelJob = -1;
  int32_t cancelAt = 0;
  int jobs = 0;
};

// Moves onto the target as asked, and then the file is gone, as if taken by another program.
class LosingMoveFileSys : public FileSys {
 public:
  explicit LosingMoveFileSys(std::string target) : target_(std::move(target)) {}
  int Rename(const std::string& from, const std::string& to) override {
    const int result = FileSys::Rename(from, to);
    if (to == target_ && result == 0) fs::remove(to);
    return result;
  }

 private:
  std::string target_;
};

// The lexicon as the direct writer makes it from the same list: every valid line, converted
// and trimmed, sorted by the word rules with the bytes deciding ties.
std::string DirectLexicon(const std::string& listText, const std::string& path) {
  Words words;
  std::istringstream in(listText);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    std::optional<std::string> converted = Cp1252::WordListLineToCp1252(line);
    int letters = 0;
    if (converted && CleanWord(converted->data(), &letters))
      words.push_back(converted->c_str());
  }
  std::sort(words.begin(), words.end(), [](const std::string& a, const std::string& b) {
    const int order = CompareWordStrings(a, b);
    return order ? order < 0 : a < b;
  });
  CompressDictionary writer(path);
  for (const std::string& word : words) writer.AddWord(word);
  writer.Close();
  return ReadWholeFile(path);
}

std::string WithoutCompileTime(std::string bytes) {
  if (bytes.size() >= kHeaderOffset + 4) bytes.replace(kHeaderOffset, 4, 4, '\0');
  return bytes;
}

std::string Lines(const Words& words, const std::string& end = "\n") {
  std::string text;
  for (const std::string& word : words) text += word + end;
  return text;
}

// Distinct valid words, made up from a fixed seed.
Words MadeUpWords(size_t count) {
  std::mt19937 random(static_cast<uint32_t>(count));
  std::set<std::string> words;
  while (words.size() < count) {
    std::string word;
    for (size_t n = 2 + random() % 8; n > 0; --n) word += static_cast<char>('a' + random() % 26);
    words.insert(word);
  }
  Words shuffled(words.begin(), words.end());
  std::shuffle(shuffled.begin(), shuffled.end(), random);
  return shuffled;
}

class CreateLexiconTest : public ::testing::Test {
 protected:
  CreateLexiconTest() : scope_(host_) {}

  bool Build(const std::string& listText, const Words& checks = {}, bool strict = false) {
    LexiconBuild build;
    build.wordListPath = settings_.Root().Write("list.txt", listText);
    build.lexiconPath = target_;
    build.checkLexicons = checks;
    build.strictChecking = strict;
    return CreateLexiconFromFile(build, list_);
  }
  Words Stored() const { return DecodeAll(ReadWholeFile(target_)); }
  std::string Lexicon(const std::string& name, const Words& words) {
    return WriteLexicon(settings_.Root() / (name + ".lex"), InLexiconOrder(words));
  }
  Words TempFiles() const {
    Words names;
    for (const auto& entry : fs::directory_iterator(settings_.TempFolderPath()))
      names.push_back(entry.path().filename());
    return names;
  }
  std::vector<std::string> BoxTexts() const {
    std::vector<std::string> texts;
    for (const MessageRequest& box : host_.Boxes()) texts.push_back(box.text);
    return texts;
  }

  TestSettings settings_;
  PhaseCancelHost host_;
  ScopedHost scope_;
  VirtualLexList list_;
  std::string target_ = settings_.Root() / "new.lex";
  std::string backup_ = settings_.Root() / "new.lxb";
};

TEST_F(CreateLexiconTest, AmericanEnglishMatchesTheDirectWriter) {
  const std::string text = ReadWholeFile("/usr/share/dict/american-english");
  if (text.empty()) GTEST_SKIP() << "american-english is not installed";
  ASSERT_TRUE(Build(text));
  const std::string direct = DirectLexicon(text, settings_.Root() / "direct.lex");
  EXPECT_EQ(WithoutCompileTime(ReadWholeFile(target_)), WithoutCompileTime(direct));
  EXPECT_THAT(TempFiles(), IsEmpty());
  EXPECT_THAT(BoxTexts(), IsEmpty());
  // The list given is rescanned and holds the new lexicon.
  ASSERT_EQ(list_.Records().size(), 1u);
  EXPECT_EQ(list_.Records()[0]->path, target_);
  const auto jobs = host_.Jobs();
  ASSERT_EQ(jobs.size(), 3u);
  EXPECT_EQ(jobs[0].message, "Validating and Sorting");
  EXPECT_EQ(jobs[1].message, "Rebuilding Words");
  EXPECT_EQ(jobs[2].message, "Creating Lexicon");
}

TEST_F(CreateLexiconTest, Windows1252AndUtf8WithCrlfAndAByteOrderMarkGiveOneLexicon) {
  ASSERT_TRUE(Build("caf\xE9\nna\xEFve\nzebra\n\xC5ngstr\xF6m\nox\n"));
  const std::string fromCp1252 = WithoutCompileTime(ReadWholeFile(target_));
  ASSERT_TRUE(Build("\xEF\xBB\xBF" "caf\xC3\xA9\r\nna\xC3\xAFve\r\nzebra\r\n\xC3\x85ngstr\xC3\xB6m\r\nox"));
  EXPECT_EQ(WithoutCompileTime(ReadWholeFile(target_)), fromCp1252);
  EXPECT_THAT(Stored(), ElementsAre("ox", "caf\xE9", "na\xEFve", "zebra", "\xC5ngstr\xF6m"));
  EXPECT_EQ(ReadWholeFile(backup_).size(), fromCp1252.size());  // the first became the backup
}

// Around the chunk size and past the five inputs of one merge step, with repeats across chunks.
TEST_F(CreateLexiconTest, EveryValidWordIsStoredOnceWhateverTheChunks) {
  for (const size_t count : {2999u, 3000u, 3001u, 15000u}) {
    SCOPED_TRACE(count);
    Words words = MadeUpWords(count);
    Words listed = words;
    listed.insert(listed.end(), words.begin(), words.begin() + 10);  // repeats in a later chunk
    ASSERT_TRUE(Build(Lines(listed)));
    EXPECT_EQ(Stored(), InLexiconOrder(words));
    EXPECT_EQ(HeaderOf(ReadWholeFile(target_)).wordCount, count);
    EXPECT_THAT(TempFiles(), IsEmpty());
  }
}

TEST_F(CreateLexiconTest, AListWithoutValidWordsWritesNothing) {
  ASSERT_FALSE(Build("\n3d\n  \nx-\n"));
  EXPECT_THAT(BoxTexts(), ElementsAre("No Valid words were found in the file."));
  EXPECT_EQ(host_.Boxes()[0].caption, "Error");
  EXPECT_FALSE(fs::exists(target_));
  EXPECT_THAT(TempFiles(), IsEmpty());  // the empty chunk too
  EXPECT_EQ(host_.Jobs().size(), 1u);
}

TEST_F(CreateLexiconTest, CheckLexiconsLeaveTheirWordsOut) {
  const std::string list = "cat\ndog\ndont\nDog\nemu\nox\nzebra\n";
  const std::string first = Lexicon("first", {"cat", "don't", "dog"});
  const std::string second = Lexicon("second", {"emu", "cat"});

  ASSERT_TRUE(Build(list, {first}));
  EXPECT_THAT(Stored(), ElementsAre("ox", "Dog", "emu", "dont", "zebra"));
  EXPECT_EQ(host_.Jobs().size(), 3u);  // one check lexicon is used as it is
  EXPECT_TRUE(fs::exists(first));

  ASSERT_TRUE(Build(list, {first, second}));
  EXPECT_THAT(Stored(), ElementsAre("ox", "Dog", "dont", "zebra"));
  EXPECT_EQ(host_.Jobs()[3].message, "Merging Lexicons");
  EXPECT_TRUE(fs::exists(first));
  EXPECT_TRUE(fs::exists(second));

  // Strict: any form the check lexicon holds, case and marks aside.
  ASSERT_TRUE(Build(list, {first}, true));
  EXPECT_THAT(Stored(), ElementsAre("ox", "emu", "zebra"));
  EXPECT_THAT(TempFiles(), IsEmpty());
  EXPECT_THAT(BoxTexts(), IsEmpty());
}

TEST_F(CreateLexiconTest, AMissingCheckLexiconFailsTheBuildAndKeepsTheTarget) {
  settings_.Root().Write("new.lex", "old lexicon");
  ASSERT_FALSE(Build("cat\n", {settings_.Root() / "gone.lex"}));
  EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
  EXPECT_FALSE(fs::exists(backup_));
  EXPECT_THAT(TempFiles(), IsEmpty());
  EXPECT_EQ(host_.Boxes().size(), 1u);
}

// Cancel in each job at its start and half-way: the target as it was, nothing left behind.
TEST_F(CreateLexiconTest, ACancelInAnyJobChangesNothing) {
  const std::string list = Lines(MadeUpWords(9000));
  const std::string first = Lexicon("first", {"cat", "dog"});
  const std::string second = Lexicon("second", {"emu"});
  list_.ScanFiles({first, second});  // their word counts give the check merge its progress
  settings_.Root().Write("new.lex", "old lexicon");
  for (int job = 0; job < 4; ++job) {
    for (const int32_t progress : {0, 50}) {
      SCOPED_TRACE(testing::Message() << "job " << job << " at " << progress);
      host_.Clear();
      host_.jobs = 0;
      host_.cancelJob = job;
      host_.cancelAt = progress;
      EXPECT_FALSE(Build(list, {first, second}));
      EXPECT_EQ(host_.Jobs().size(), static_cast<size_t>(job + 1));
      EXPECT_THAT(BoxTexts(), ElementsAre("Cancel Operation?"));
      EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
      EXPECT_FALSE(fs::exists(backup_));
      EXPECT_THAT(TempFiles(), IsEmpty());
    }
  }
}

// A write failing in each writer: the chunks, the merge steps, the lexicon; and the installing
// move. Each reports the failure and leaves the old lexicon exactly as it was.
TEST_F(CreateLexiconTest, AFailedWriteAnywhereLeavesTheOldLexicon) {
  settings_.Root().Write("new.lex", "old lexicon");
  struct Case {
    const char* what;
    size_t words;
    rlim_t limit;
    const char* box;
  };
  const Case cases[] = {
      {"chunk", 3000, 60000, "Unable to Write to the Temp Folder "},
      {"merge step", 6000, 150000, "Unable to Write to the Temp Folder "},
      {"lexicon", 10, 1000, "Unable to "},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    host_.Clear();
    const std::string list = Lines(MadeUpWords(c.words));
    bool built = true;
    {
      FileSizeLimit limit(c.limit);
      built = Build(list);
    }
    EXPECT_FALSE(built);
    ASSERT_EQ(host_.Boxes().size(), 1u);
    EXPECT_THAT(host_.Boxes()[0].text, ::testing::StartsWith(c.box));
    EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
    EXPECT_FALSE(fs::exists(backup_));
    EXPECT_THAT(TempFiles(), IsEmpty());
  }

  host_.Clear();
  FailingInstall refusing(target_);
  ScopedFileSys fileSysScope(refusing);
  EXPECT_FALSE(Build("cat\n"));
  EXPECT_THAT(BoxTexts(), ElementsAre("Sorvane could not rename this file: \n" + target_));
  EXPECT_EQ(ReadWholeFile(target_), "old lexicon");
  EXPECT_FALSE(fs::exists(backup_));
  EXPECT_THAT(TempFiles(), IsEmpty());
}

TEST_F(CreateLexiconTest, AnInstalledLexiconThatCannotBeReadBackIsNoSuccess) {
  LosingMoveFileSys losing(target_);
  ScopedFileSys fileSysScope(losing);
  EXPECT_FALSE(Build("cat\n"));
  EXPECT_THAT(BoxTexts(), ElementsAre("Sorvane was unable to open Lexicon: " + target_));
  EXPECT_EQ(host_.Boxes()[0].caption, "Error");
  EXPECT_THAT(TempFiles(), IsEmpty());
}

TEST_F(CreateLexiconTest, ATargetThatIsNoRegularFileIsRefusedBeforeAnyWork) {
  target_ = settings_.Root() / "folder.lex";
  fs::create_directory(target_);
  EXPECT_FALSE(Build("cat\n"));
  EXPECT_THAT(BoxTexts(), ElementsAre("Unable to Open File " + target_));
  EXPECT_TRUE(fs::is_directory(target_));
  EXPECT_THAT(host_.Jobs(), IsEmpty());
}

}  // namespace
