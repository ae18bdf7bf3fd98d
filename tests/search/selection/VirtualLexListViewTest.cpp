#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "search/selection/LexiconFolderTest.h"
#include "search/selection/VirtualLexListView.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class VirtualLexListViewTest : public LexiconFolderTest {
 protected:
  // "name" for every selected entry, in order.
  std::vector<std::string> Selected(const VirtualLexListView& view) const {
    std::vector<std::string> names;
    for (const LexViewInfo& entry : view.Entries())
      if (entry.selected) names.push_back(entry.path.substr(lexicons.size()));
    return names;
  }
  std::vector<std::string> Names(const VirtualLexListView& view) const {
    std::vector<std::string> names;
    for (const LexViewInfo& entry : view.Entries())
      names.push_back(entry.path.substr(lexicons.size()));
    return names;
  }
  VirtualLexList& ScannedList() {
    list.ScanLexiconFolder();
    return list;
  }
  VirtualLexList list;
};

TEST_F(VirtualLexListViewTest, ANewViewSelectsTheDefaultLexicons) {
  AddLexicon("a.lex", true);
  AddLexicon("b.lex");
  AddLexicon("c.lex", true);
  VirtualLexListView view(ScannedList());
  EXPECT_THAT(Names(view), ElementsAre("a.lex", "b.lex", "c.lex"));
  EXPECT_THAT(Selected(view), ElementsAre("a.lex", "c.lex"));
  EXPECT_EQ(view.CountSelected(), 2);
  for (const LexViewInfo& entry : view.Entries()) {
    EXPECT_EQ(entry.lexicon->UsageCount(), entry.selected ? 1 : 0);
    EXPECT_EQ(entry.lexicon->Image() != nullptr, entry.selected != 0);
  }
  EXPECT_EQ(view.Find(lexicons + "b.lex"), view.Entries().begin() + 1);
  EXPECT_EQ(view.Find(lexicons + "d.lex"), view.Entries().end());
}

TEST_F(VirtualLexListViewTest, WithoutDefaultsNothingIsSelected) {
  AddLexicon("a.lex");
  VirtualLexListView view(ScannedList());
  EXPECT_EQ(view.CountSelected(), 0);
  EXPECT_EQ(view.Entries()[0].lexicon->Image(), nullptr);
}

TEST_F(VirtualLexListViewTest, ApplyFlagsMakesTheSelectionTheDefault) {
  AddLexicon("a.lex");
  AddLexicon("b.lex");
  AddLexicon("c.lex", true);
  VirtualLexListView view(ScannedList());
  view.Toggle(0);
  view.Toggle(1);
  view.Toggle(2);
  view.ApplyFlags();
  for (const char* name : {"a.lex", "b.lex", "c.lex"}) {
    VirtualLex onDisk(lexicons + name);
    onDisk.ReadHeader();
    EXPECT_EQ(onDisk.header.defaultFlag, name[0] == 'c' ? 0 : 1) << name;
  }
  VirtualLexListView later(list);
  EXPECT_THAT(Selected(later), ElementsAre("a.lex", "b.lex"));
}

TEST_F(VirtualLexListViewTest, EachViewHoldsItsOwnUse) {
  AddLexicon("a.lex", true);
  ScannedList();
  const std::shared_ptr<VirtualLex> record = list.Records()[0];
  auto first = std::make_unique<VirtualLexListView>(list);
  auto second = std::make_unique<VirtualLexListView>(list);
  EXPECT_EQ(record->UsageCount(), 2);
  first.reset();
  EXPECT_EQ(record->UsageCount(), 1);
  EXPECT_NE(record->Image(), nullptr);
  second.reset();
  EXPECT_EQ(record->UsageCount(), 0);
  EXPECT_EQ(record->Image(), nullptr);
}

TEST_F(VirtualLexListViewTest, ARescanKeepsChoicesByPath) {
  AddLexicon("a.lex", true);
  AddLexicon("b.lex");
  AddLexicon("c.lex", true);
  VirtualLexListView view(ScannedList());
  view.Toggle(1);  // b on
  view.Toggle(2);  // c off
  const std::shared_ptr<VirtualLex> oldA = view.Entries()[0].lexicon;
  std::filesystem::remove(lexicons + "b.lex");
  AddLexicon("d.lex");
  list.ScanLexiconFolder();
  EXPECT_THAT(Names(view), ElementsAre("a.lex", "c.lex", "d.lex"));
  EXPECT_THAT(Selected(view), ElementsAre("a.lex"));
  // One use for each selected lexicon, none left on the records the rescan replaced.
  EXPECT_EQ(view.Entries()[0].lexicon->UsageCount(), 1);
  EXPECT_EQ(view.Entries()[1].lexicon->UsageCount(), 0);
  EXPECT_EQ(oldA->UsageCount(), 0);
  EXPECT_EQ(oldA->Image(), nullptr);
}

TEST_F(VirtualLexListViewTest, ARemovalKeepsTheOtherViewsOnTheirLexicons) {
  AddLexicon("a.lex", true, {"ant"});
  AddLexicon("b.lex", true, {"bee"});
  AddLexicon("c.lex", true, {"cow"});
  ScannedList();
  VirtualLexListView mine(list), other(list);
  other.Toggle(2);  // the other view does not want c
  const LexImage* imageOfC = mine.Entries()[2].lexicon->Image().get();
  list.RemoveLexicon(lexicons + "a.lex", true);
  EXPECT_THAT(Selected(mine), ElementsAre("b.lex", "c.lex"));
  EXPECT_THAT(Selected(other), ElementsAre("b.lex"));
  EXPECT_EQ(mine.Entries()[1].lexicon->UsageCount(), 1);
  EXPECT_EQ(mine.Entries()[0].lexicon->UsageCount(), 2);
  EXPECT_EQ(mine.Entries()[1].lexicon->Image().get(), imageOfC);  // never dropped and read again
}

TEST_F(VirtualLexListViewTest, ALostDefaultLexiconIsReportedAndLeftOut) {
  AddLexicon("a.lex", true);
  AddLexicon("b.lex", true);
  ScannedList();
  std::filesystem::remove(lexicons + "a.lex");
  VirtualLexListView view(list);
  EXPECT_THAT(Selected(view), ElementsAre("b.lex"));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, "Sorvane was unable to open Lexicon: " + lexicons + "a.lex");
  EXPECT_EQ(view.Entries()[0].lexicon->UsageCount(), 0);
}

TEST_F(VirtualLexListViewTest, SelectingTakesOneUseAndClearingReleasesIt) {
  AddLexicon("a.lex");
  AddLexicon("b.lex", true);
  AddLexicon("c.lex");
  VirtualLexListView view(ScannedList());
  std::filesystem::remove(lexicons + "c.lex");
  view.SelectAll();
  EXPECT_THAT(Selected(view), ElementsAre("a.lex", "b.lex"));  // c is reported, not selected
  EXPECT_EQ(Boxes().size(), 1u);
  EXPECT_TRUE(view.Select(1));  // already selected: no second use
  EXPECT_FALSE(view.Toggle(0));
  EXPECT_FALSE(view.Select(2));
  EXPECT_EQ(Boxes().size(), 2u);
  EXPECT_THAT(Selected(view), ElementsAre("b.lex"));
  const std::vector<int32_t> expected{0, 1, 0};
  for (size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(view.Entries()[i].lexicon->UsageCount(), expected[i]) << i;
  view.DeselectAll();
  for (const LexViewInfo& entry : view.Entries()) EXPECT_EQ(entry.lexicon->UsageCount(), 0);
  EXPECT_EQ(view.CountSelected(), 0);
}

TEST_F(VirtualLexListViewTest, EachViewHasItsOwnSubsetLexiconInTemp) {
  AddLexicon("a.lex");
  ScannedList();
  const std::string temp = Settings::Instance().GetString(SettingId::FolderTemp) + "/";
  std::string subsetPath;
  {
    VirtualLexListView first(list), second(list);
    EXPECT_NE(first.subsetLexicon.path, second.subsetLexicon.path);
    for (const VirtualLexListView* view : {&first, &second}) {
      EXPECT_TRUE(view->subsetLexicon.path.starts_with(temp)) << view->subsetLexicon.path;
      EXPECT_TRUE(view->subsetLexicon.path.ends_with(".MMF")) << view->subsetLexicon.path;
      EXPECT_EQ(view->subsetLexicon.path.find('/', temp.size()), std::string::npos);
    }
    subsetPath = WriteLexicon(first.subsetLexicon.path, {"ox"});
  }
  EXPECT_FALSE(std::filesystem::exists(subsetPath));  // the view cleans up after itself
}

// A search holds its own reference to each image it reads; the main thread may rescan, remove
// or deselect meanwhile.
class VirtualLexListViewThreads : public VirtualLexListViewTest {};

TEST_F(VirtualLexListViewThreads, ASearchOutlivesRescanRemovalAndDeselection) {
  std::vector<std::string> words;
  for (char a = 'a'; a <= 'z'; ++a)
    for (char b = 'a'; b <= 'z'; ++b) words.push_back(std::string("ox") + a + b);
  AddLexicon("a.lex", true, words);
  AddLexicon("b.lex", true, words);
  VirtualLexListView view(ScannedList());
  for (int change = 0; change < 3; ++change) {
    std::atomic<bool> started{false}, release{false};
    std::vector<std::string> found;
    std::thread search([&, image = view.Entries().back().lexicon->Image()] {
      started = true;
      while (!release) std::this_thread::yield();
      found = DecodeAll(*image);
    });
    while (!started) std::this_thread::yield();
    if (change == 0) list.ScanLexiconFolder();
    if (change == 1) view.Toggle(view.Entries().size() - 1);
    if (change == 2) list.RemoveLexicon(lexicons + "b.lex", true);
    release = true;
    search.join();
    EXPECT_EQ(found, words) << change;
    if (change == 1) view.Toggle(view.Entries().size() - 1);
  }
  EXPECT_THAT(Names(view), ElementsAre("a.lex"));
}

}  // namespace
