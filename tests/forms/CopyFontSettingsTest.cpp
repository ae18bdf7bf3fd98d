#include "foundation/forms/CopyFontSettings.h"

#include <gtest/gtest.h>

#include <QWidget>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "support/ScopedAppPaths.h"

TEST(CopyFontSettingsTest, TakesFamilySizeAndBoldOnlyWhereTheyDiffer) {
  ScopedAppPaths paths;
  Settings& settings = Settings::Rebuild();  // "Tahoma", 8 points, not bold
  QWidget widget;
  QFont own("Serif", 12);
  own.setBold(true);
  own.setItalic(true);
  widget.setFont(own);

  EXPECT_TRUE(CopyFontSettings(&widget));
  EXPECT_EQ(widget.font().family(), "Tahoma");
  EXPECT_EQ(widget.font().pointSize(), 8);
  EXPECT_FALSE(widget.font().bold());
  EXPECT_TRUE(widget.font().italic());  // other style settings stay
  EXPECT_FALSE(CopyFontSettings(&widget));

  settings.SetBool(SettingId::Bold, true);
  settings.SetInt(SettingId::Font, 0);  // no size: the widget keeps its own
  EXPECT_TRUE(CopyFontSettings(&widget));
  EXPECT_TRUE(widget.font().bold());
  EXPECT_EQ(widget.font().pointSize(), 8);
  EXPECT_FALSE(CopyFontSettings(&widget));
}
