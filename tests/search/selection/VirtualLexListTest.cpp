#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "foundation/SorvaneException.h"
#include "platform/FileSys.h"
#include "search/selection/LexiconFolderTest.h"
#include "search/selection/VirtualLexList.h"
#include "search/selection/VirtualLexListView.h"
#include "support/ScopedFileSys.h"

namespace {

using ::testing::ElementsAre;

const std::string kWarning = "Warning";
const std::string kInvalidText =
    "Sorvane detected that the following lexicons are either not Sorvane lexicons or are not "
    "compiled by this version of Sorvane. They will not be used by Sorvane in any searches:\n";

class VirtualLexListTest : public LexiconFolderTest {
 protected:
  std::vector<std::string> Paths(const VirtualLexList& list) const {
    std::vector<std::string> out;
    for (const auto& record : list.Records()) out.push_back(record->path);
    return out;
  }
  bool Exists(const std::string& path) const { return std::filesystem::exists(path); }
};

TEST_F(VirtualLexListTest, ScanKeepsValidLexiconsInPathOrderAndWarnsOnceAboutOthers) {
  AddLexicon("c.lex");
  std::string other = ReadWholeFile(AddLexicon("b.lex"));
  other[kHeaderOffset + 12] = 0x01;  // another magic
  paths.Root().Write("program/Lexicons/b.lex", other);
  paths.Root().Write("program/Lexicons/d.lex", other.substr(0, 3130));  // too short for a header
  AddLexicon("a.lex");
  AddLexicon("e.lxb");

  VirtualLexList list;
  list.ScanLexiconFolder();
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "a.lex", lexicons + "c.lex"));
  EXPECT_EQ(list.Folder(), lexicons);
  EXPECT_EQ(list.Records()[1]->header.wordCount, 1u);
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, kInvalidText + "\n" + lexicons + "b.lex\n" + lexicons + "d.lex");
  EXPECT_EQ(Boxes()[0].caption, kWarning);
  EXPECT_EQ(Boxes()[0].flags, 0x30u);

  list.ScanLexiconFolder();  // once a run
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "a.lex", lexicons + "c.lex"));
}

TEST_F(VirtualLexListTest, NoLexiconsIsAWarningAtEveryScan) {
  VirtualLexList list;
  list.ScanLexiconFolder();
  list.ScanLexiconFolder();
  ASSERT_EQ(Boxes().size(), 2u);
  for (const MessageRequest& box : Boxes()) {
    EXPECT_EQ(box.text, "Sorvane could not find any Lexicons. ");
    EXPECT_EQ(box.caption, kWarning);
    EXPECT_EQ(box.flags, 0x30u);
  }
  // Only invalid files: their warning, not the "none found" one.
  paths.Root().Write("program/Lexicons/x.lex", "not a lexicon");
  list.ScanLexiconFolder();
  ASSERT_EQ(Boxes().size(), 3u);
  EXPECT_EQ(Boxes()[2].text, kInvalidText + "\n" + lexicons + "x.lex");
  list.ScanLexiconFolder();
  EXPECT_EQ(Boxes().size(), 3u);
}

// A listing that names a file the scan then cannot open (removed, or unreadable).
class GhostFileSys : public FileSys {
 public:
  std::vector<std::string> ListMatching(const std::string& folder,
                                        const std::string& wildcard) override {
    std::vector<std::string> names = FileSys::ListMatching(folder, wildcard);
    names.insert(names.begin() + 1, "b-ghost.lex");
    return names;
  }
  bool Exists(const std::string& path) override {
    return path.ends_with("b-ghost.lex") || FileSys::Exists(path);
  }
};

TEST_F(VirtualLexListTest, AnUnreadableLexiconIsReportedAndSkipped) {
  AddLexicon("a.lex");
  AddLexicon("c.lex");
  VirtualLexList list;
  VirtualLexListView view(list);
  GhostFileSys ghost;
  {
    ScopedFileSys scope(ghost);
    list.ScanLexiconFolder();
  }
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "a.lex", lexicons + "c.lex"));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Sorvane was unable to open Lexicon: " + lexicons + "b-ghost.lex");
  EXPECT_EQ(view.Entries().size(), 2u);  // the listeners were told all the same
}

TEST_F(VirtualLexListTest, ListenersHearEveryChangeInOrder) {
  AddLexicon("a.lex");
  VirtualLexList list;
  list.ScanLexiconFolder();
  VirtualLexListView first(list), second(list);
  AddLexicon("b.lex");
  list.ScanLexiconFolder();
  EXPECT_EQ(first.Entries().size(), 2u);
  EXPECT_EQ(second.Entries().size(), 2u);
  list.RemoveListener(&first);
  list.RemoveListener(&first);  // absent: nothing
  AddLexicon("c.lex");
  list.ScanLexiconFolder();
  EXPECT_EQ(first.Entries().size(), 2u);
  EXPECT_EQ(second.Entries().size(), 3u);
  list.AddListener(&first);
}

TEST_F(VirtualLexListTest, RemovingLeavesTheBackupAndTellsTheListeners) {
  AddLexicon("a.lex");
  AddLexicon("b.lex");
  VirtualLexList list;
  list.ScanLexiconFolder();
  VirtualLexListView view(list);
  EXPECT_TRUE(list.RemoveLexicon(lexicons + "a.lex", true));
  EXPECT_FALSE(Exists(lexicons + "a.lex"));
  EXPECT_TRUE(Exists(lexicons + "a.lxb"));
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "b.lex"));
  ASSERT_EQ(view.Entries().size(), 1u);
  EXPECT_EQ(view.Entries()[0].path, lexicons + "b.lex");

  EXPECT_TRUE(list.RemoveLexicon(lexicons + "b.lex", false));
  EXPECT_EQ(view.Entries().size(), 1u);  // not told
  list.NotifyListeners();
  EXPECT_TRUE(view.Entries().empty());

  try {
    list.RemoveLexicon(lexicons + "zz.lex", true);
    ADD_FAILURE();
  } catch (const SorvaneException& e) {
    EXPECT_EQ(std::string(e.what()), "Unable to find Lexicon: " + lexicons + "zz.lex");
  }
}

TEST_F(VirtualLexListTest, ALexiconWhoseBackupCannotBeMadeStays) {
  AddLexicon("a.lex");
  const std::string oldBackup = paths.Root().Write("program/Lexicons/a.lxb", "old");
  ::chmod(oldBackup.c_str(), 0444);  // read-only: the old backup cannot be replaced
  VirtualLexList list;
  list.ScanLexiconFolder();
  EXPECT_FALSE(list.RemoveLexicon(lexicons + "a.lex", true));
  EXPECT_TRUE(Exists(lexicons + "a.lex"));
  EXPECT_EQ(ReadWholeFile(oldBackup), "old");
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "a.lex"));
  EXPECT_EQ(Boxes().size(), 1u);  // the backup's own error box
}

TEST_F(VirtualLexListTest, RemovingSeveralTellsOnceEvenWhenOneIsMissing) {
  AddLexicon("a.lex", true);
  AddLexicon("b.lex", true);
  AddLexicon("c.lex", true);
  VirtualLexList list;
  list.ScanLexiconFolder();
  VirtualLexListView view(list);
  view.DeleteLexicons({lexicons + "a.lex", lexicons + "c.lex"});
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "b.lex"));
  ASSERT_EQ(view.Entries().size(), 1u);
  EXPECT_TRUE(view.Entries()[0].selected);

  AddLexicon("d.lex");
  list.ScanLexiconFolder();
  EXPECT_THROW(list.RemoveLexicons({lexicons + "d.lex", lexicons + "gone.lex"}), SorvaneException);
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "b.lex"));
  EXPECT_EQ(view.Entries().size(), 1u);
}

TEST_F(VirtualLexListTest, FindLexiconByPathIsExact) {
  AddLexicon("a.lex");
  AddLexicon("b.lex");
  VirtualLexList list;
  list.ScanLexiconFolder();
  const auto& records = list.Records();
  EXPECT_EQ(FindLexiconByPath(records.begin(), records.end(), lexicons + "b.lex"),
            records.begin() + 1);
  EXPECT_EQ(FindLexiconByPath(records.begin(), records.end(), lexicons + "B.lex"), records.end());
}

TEST_F(VirtualLexListTest, ViewsOutlivingTheListLeaveItAlone) {
  AddLexicon("a.lex", true);
  auto list = std::make_unique<VirtualLexList>();
  list->ScanLexiconFolder();
  auto view = std::make_unique<VirtualLexListView>(*list);
  list.reset();
  view.reset();  // touches nothing of the list (the sanitizers catch a use after free)
}

}  // namespace

namespace {

TEST_F(VirtualLexListTest, TheProgramsListIsScannedOnceOnFirstUse) {
  AddLexicon("a.lex", true);
  VirtualLexList& list = VirtualLexList::Instance();
  EXPECT_THAT(Paths(list), ElementsAre(lexicons + "a.lex"));
  EXPECT_EQ(&VirtualLexList::Instance(), &list);
  VirtualLexListView view(list);
  EXPECT_EQ(view.CountSelected(), 1);
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
