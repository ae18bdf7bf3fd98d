#include "crossword/forms/TfrmNewGrid.h"

#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "foundation/Settings.h"
#include "platform/ScriptedHost.h"
#include "support/ScopedAppPaths.h"

namespace {

class TfrmNewGridTest : public ::testing::Test {
 protected:
  void SetUp() override { Settings::Rebuild(); }

  // Types into the field and presses OK; the dialog is shown without a modal loop.
  static void Enter(TfrmNewGrid& dialog, const char* cols, const char* rows) {
    dialog.txtCols->setText(cols);
    dialog.txtRows->setText(rows);
    dialog.findChild<QPushButton*>("cmdCreateGrid")->click();
  }

  ScopedAppPaths paths;
  ScriptedHost host;
  ScopedHost scope{host};
};

TEST_F(TfrmNewGridTest, ShowsTheSizesAndAcceptsWholeNumbersIncludingZero) {
  TfrmNewGrid dialog(nullptr, false);
  EXPECT_EQ(dialog.windowTitle(), "New Grid");
  dialog.columns = 15;
  dialog.rows = 11;
  dialog.show();
  EXPECT_EQ(dialog.txtCols->text(), "15");
  EXPECT_EQ(dialog.txtRows->text(), "11");
  Enter(dialog, "0", "0");
  EXPECT_EQ(dialog.result(), 1);
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.columns, 0);
  EXPECT_EQ(dialog.rows, 0);
  EXPECT_TRUE(host.Boxes().empty());
}

TEST_F(TfrmNewGridTest, EmptyFieldsGiveTheRowsThenTheColumnsMessageAndTheDialogStays) {
  TfrmNewGrid dialog(nullptr, false);
  dialog.show();
  Enter(dialog, "", "");
  ASSERT_EQ(host.Boxes().size(), 2u);
  EXPECT_EQ(host.Boxes()[0].text, "Rows must be a whole number");
  EXPECT_EQ(host.Boxes()[1].text, "Columns must be a whole number");
  EXPECT_EQ(host.Boxes()[1].caption, "Entry not Valid");
  EXPECT_TRUE(dialog.isVisible());
  host.Clear();
  Enter(dialog, "12", "1x");
  ASSERT_EQ(host.Boxes().size(), 1u);
  EXPECT_EQ(host.Boxes()[0].text, "Rows must be a whole number");
  EXPECT_TRUE(dialog.isVisible());
}

TEST_F(TfrmNewGridTest, OnlyDigitsCanBeTypedAndThreeAtMost) {
  TfrmNewGrid dialog(nullptr, false);
  dialog.show();
  QLineEdit* field = dialog.txtCols;
  field->clear();
  field->setFocus();
  QTest::keyClicks(field, "1a2");
  EXPECT_EQ(field->text(), "12");
  EXPECT_EQ(host.Beeps(), 1);
  QTest::keyClicks(field, "345");
  EXPECT_EQ(field->text(), "123");
  QTest::keyClick(field, Qt::Key_Backspace);
  EXPECT_EQ(field->text(), "12");
  dialog.txtRows->clear();
  QApplication::clipboard()->setText("98765");
  dialog.txtRows->paste();
  EXPECT_EQ(dialog.txtRows->text(), "987");
  EXPECT_EQ(host.Beeps(), 1);
}

TEST_F(TfrmNewGridTest, TheResetWarningGrowsTheForm) {
  TfrmNewGrid plain(nullptr, false);
  TfrmNewGrid reset(nullptr, true);
  auto* warning = reset.findChild<QLabel*>("lblWarning");
  ASSERT_NE(warning, nullptr);
  EXPECT_TRUE(warning->isVisibleTo(&reset));
  EXPECT_FALSE(plain.findChild<QLabel*>("lblWarning")->isVisibleTo(&plain));
  EXPECT_EQ(warning->text(), "Warning:\nResetting the Grid will\nremove all formatting and data\ncurrently stored.");
  EXPECT_EQ(reset.height() - plain.height(), warning->height());
  EXPECT_GT(warning->height(), 0);
  EXPECT_EQ(reset.txtCols->y() - plain.txtCols->y(), warning->height());
  EXPECT_EQ(warning->width(), reset.width() * 9 / 10);
  EXPECT_GE(plain.width(), 249);
  EXPECT_GE(plain.height(), 55);
}

}  // namespace
