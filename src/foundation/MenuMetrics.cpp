#include "foundation/MenuMetrics.h"

#include <algorithm>
#include <cstdlib>

namespace MenuMetrics {

namespace {

// Written by every pop-up measure, read by the painters: menus live on the main thread.
int lastPopupHeight = kMinimumPopupHeight;

}  // namespace

bool IsSeparator(std::string_view caption) { return caption == "-"; }

int FontHeightFromPoints(int points, int dpi) {
  // Rounded half away from zero, as the platform's multiply-divide does.
  const int64_t scaled = static_cast<int64_t>(points) * dpi;
  const int64_t pixels = (scaled + (scaled >= 0 ? 36 : -36)) / 72;
  return -static_cast<int>(pixels);
}

int MainMenuItemWidth(int captionWidth, int ampersandWidth) {
  return captionWidth - ampersandWidth;
}

Size MeasurePopupMenuItem(std::string_view caption, int captionWidth, int shortcutWidth,
                          int fontHeight) {
  Size size;
  size.width = captionWidth + shortcutWidth + kTextIndent;
  size.height = IsSeparator(caption) ? kSeparatorHeight
                                     : std::max(std::abs(fontHeight) + 3 + 5, kMinimumPopupHeight);
  lastPopupHeight = size.height;
  return size;
}

int LastMeasuredPopupHeight() { return lastPopupHeight; }

int MainMenuTextTop(const Rect& item, int fontHeight) {
  return item.top + ((item.bottom - item.top) - (3 - fontHeight)) / 2;
}

Rect PopupFrame(const Rect& item) {
  return {item.left + 21, item.top, item.right - 2, item.bottom};
}
Rect PopupFill(const Rect& item) {
  return {item.left + 22, item.top + 1, item.right - 3, item.bottom - 1};
}
Rect IconStripe(const Rect& item) {
  return {item.left, item.top - 1, item.left + kStripeRight, item.bottom + 1};
}
Rect CheckMark(const Rect& item) {
  const int left = item.left + (kStripeRight - kCheckMarkSize) / 2;
  const int top = item.top + (item.bottom - item.top - kCheckMarkSize) / 2;
  return {left, top, left + kCheckMarkSize, top + kCheckMarkSize};
}
Rect PlainPopupFrame(const Rect& item) {
  return {item.left + 1, item.top, item.right - 2, item.bottom};
}
Rect PlainPopupFill(const Rect& item) {
  return {item.left + 2, item.top + 1, item.right - 3, item.bottom - 1};
}

Line SeparatorLine(const Rect& item, bool plain) {
  return {item.left + (plain ? kPlainSeparatorLeft : kTextIndent), item.right - kRightGap,
          item.top + (item.bottom - item.top) / 2};
}

int IconTop(const Rect& item, int imageHeight) {
  return item.top + (lastPopupHeight - imageHeight) / 2;
}

int ShortcutLeft(const Rect& item, int shortcutWidth) {
  return item.right - shortcutWidth - kRightGap;
}

Rect SubMenuArrow(const Rect& item) {
  const int right = item.right - kRightGap;
  const int middle = item.top + (item.bottom - item.top) / 2;
  return {right - kSubMenuArrowWidth, middle - kSubMenuArrowWidth, right,
          middle + kSubMenuArrowWidth};
}

}  // namespace MenuMetrics
