#pragma once
// The sizes and positions of the program's own menu items, in pixels, apart from any drawing
// library: the painter measures texts and asks here where everything goes. Rectangles are
// half-open (right and bottom excluded), as the menu system hands them over.

#include <cstdint>
#include <string_view>

namespace MenuMetrics {

struct Size {
  int width = 0;
  int height = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

constexpr int kSeparatorHeight = 8;
constexpr int kMinimumPopupHeight = 16;
constexpr int kTextIndent = 25;   // caption and program-style separator start
constexpr int kTextDrop = 4;      // caption below the item's top
constexpr int kStripeRight = 20;  // the grey stripe behind the icons
constexpr int kIconLeft = 2;
constexpr int kRightGap = 5;  // shortcut and separator end before the right edge
constexpr int kPlainSeparatorLeft = 5;
constexpr int kBarTextIndent = 5;

// The item's caption is a separator only when it is exactly "-", both when measured and drawn.
bool IsSeparator(std::string_view caption);

// A font's height value from its point size: negative, as the pixel height at dpi rounded to
// the nearest pixel.
int FontHeightFromPoints(int points, int dpi);

// A menu-bar item: the caption's width less that of "&", which is never drawn (subtracted also
// when the caption holds none).
int MainMenuItemWidth(int captionWidth, int ampersandWidth);

// A pop-up item: the caption, its shortcut's text (0 when it has none) and room for the icon;
// 8 high for a separator, else the font's pixel height + 8 but at least 16. The height is
// remembered as the last measured pop-up item height.
Size MeasurePopupMenuItem(std::string_view caption, int captionWidth, int shortcutWidth,
                          int fontHeight);
// The program-wide height of the last pop-up item measured; icons are centred on it.
int LastMeasuredPopupHeight();

// Top of a menu-bar item's caption: centred on the font's pixel height + 3 (truncating).
int MainMenuTextTop(const Rect& item, int fontHeight);

// Program style: the highlight frame of a selected pop-up item, the sky-blue fill inside it,
// and the grey icon stripe (one pixel beyond the item at the top and bottom).
Rect PopupFrame(const Rect& item);
Rect PopupFill(const Rect& item);
Rect IconStripe(const Rect& item);
// Plain style: frame and fill of a selected pop-up item.
Rect PlainPopupFrame(const Rect& item);
Rect PlainPopupFill(const Rect& item);

// The separator line's ends (x) and its row (y), by style.
struct Line {
  int x1 = 0;
  int x2 = 0;
  int y = 0;
};
Line SeparatorLine(const Rect& item, bool plain);

// The check mark of a checked item without an icon: kCheckMarkSize square, centred in the icon
// stripe's width and on the item's height.
constexpr int kCheckMarkSize = 7;
Rect CheckMark(const Rect& item);
// Top of an icon imageHeight high, centred on the last measured pop-up height.
int IconTop(const Rect& item, int imageHeight);
// Left edge of a shortcut's text.
int ShortcutLeft(const Rect& item, int shortcutWidth);
// The arrow of an item that opens a sub-menu: kSubMenuArrowWidth wide, pointing right, ending
// where a shortcut ends and centred on the item's height.
constexpr int kSubMenuArrowWidth = 4;
Rect SubMenuArrow(const Rect& item);

}  // namespace MenuMetrics
