#include "search/selection/SelectLexicons.h"

#include <gtest/gtest.h>

#include "foundation/ResStrings.h"
#include "search/selection/LexiconFolderTest.h"
#include "support/ScopedSelectLexicons.h"

namespace {

class SelectLexiconsTest : public LexiconFolderTest {
 protected:
  VirtualLexList& ScannedList() {
    list.ScanLexiconFolder();
    return list;
  }
  VirtualLexList list;
};

TEST_F(SelectLexiconsTest, CoreCodeOpensTheRegisteredDialog) {
  AddLexicon("a.lex");
  AddLexicon("b.lex", true);
  VirtualLexListView view(ScannedList());
  SelectLexiconsDialog::Show(view);  // none registered: nothing changes
  EXPECT_EQ(view.Entries()[1].selected, 1);
  ScopedSelectLexicons dialog([](VirtualLexListView& shown) {
    shown.Select(0);
    shown.Select(1, false);
  });
  SelectLexiconsDialog::Show(view);
  EXPECT_EQ(dialog.Shown(), 1);
  EXPECT_EQ(view.Entries()[0].selected, 1);
  EXPECT_EQ(view.Entries()[1].selected, 0);
  EXPECT_EQ(view.Entries()[0].lexicon->UsageCount(), 1);
}

TEST_F(SelectLexiconsTest, DeletingNothingSaysSoAndDeletingAsksFirst) {
  const std::string a = AddLexicon("a.lex");
  VirtualLexListView view(ScannedList());
  EXPECT_FALSE(ConfirmAndDeleteLexicons(view, {}, nullptr));
  ASSERT_EQ(Boxes().size(), 1u);
  EXPECT_EQ(Boxes()[0].text, LoadResString(8705));

  host.QueueAnswer(IDCANCEL);
  EXPECT_FALSE(ConfirmAndDeleteLexicons(view, {a}, nullptr));
  EXPECT_EQ(view.Entries().size(), 1u);
  host.QueueAnswer(IDOK);
  EXPECT_TRUE(ConfirmAndDeleteLexicons(view, {a}, nullptr));
  EXPECT_TRUE(view.Entries().empty());
  EXPECT_EQ(Boxes()[1].text, LoadResString(8704) + "a.lex\n" + LoadResString(8328));
}

}  // namespace
