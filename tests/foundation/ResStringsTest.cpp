#include "foundation/ResStrings.h"

#include <gtest/gtest.h>

#include "platform/ScriptedHost.h"

TEST(ResStringsTest, BoxesCarryTextsFlagsAndScriptedAnswers) {
  ScriptedHost host;
  ScopedHost scope(host);
  host.QueueAnswer(IDCANCEL);
  EXPECT_EQ(ResMessageBox(16002, 8330, MB_OKCANCEL | MB_ICONQUESTION), IDCANCEL);
  EXPECT_EQ(ResMessageBox(1, 8324, MB_YESNO), IDYES);  // no answer queued: first button
  int owner = 0;
  EXPECT_EQ(MessageBoxWrapper(&owner, "text", "caption", MB_OK), IDOK);

  const auto boxes = host.Boxes();
  ASSERT_EQ(boxes.size(), 3u);
  EXPECT_EQ(boxes[0].text, "File Error.");
  EXPECT_EQ(boxes[0].caption, "Confirm");
  EXPECT_EQ(boxes[0].flags, MB_OKCANCEL | MB_ICONQUESTION);
  EXPECT_EQ(boxes[1].text, "");  // an id without text shows an empty text
  EXPECT_EQ(boxes[2].owner, &owner);
}

TEST(ResStringsTest, HelpContextStartsAtZero) {
  EXPECT_EQ(GetHelpContext(), 0);
  EXPECT_EQ(SetHelpContext(280), 280);
  EXPECT_EQ(GetHelpContext(), 280);
  SetHelpContext(0);
}
