#include "foundation/forms/MenuPainter.h"

#include <QFontMetrics>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QStyleOptionMenuItem>
#include <algorithm>

#include "foundation/MenuMetrics.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
constexpr int kImageSize = 16;  // the menu images are small icons
constexpr int kBarItemSpace = 12;  // the room the menu system adds to each bar item

MenuMetrics::Rect ToMetrics(const QRect& rect) {
  return {rect.left(), rect.top(), rect.left() + rect.width(), rect.top() + rect.height()};
}
QRect ToQRect(const MenuMetrics::Rect& rect) {
  return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

// A one-pixel frame just inside the half-open rectangle.
void FrameRect(QPainter* painter, const MenuMetrics::Rect& rect, const QColor& colour) {
  if (rect.right <= rect.left || rect.bottom <= rect.top) return;
  painter->save();
  painter->setPen(colour);
  painter->setBrush(Qt::NoBrush);
  painter->drawRect(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
  painter->restore();
}

void FillRect(QPainter* painter, const MenuMetrics::Rect& rect, const QColor& colour) {
  painter->fillRect(ToQRect(rect), colour);
}

// A tick three pixels thick, filling the square: a short stroke down to the right, then a long
// one up to the top right corner.
void DrawCheckMark(QPainter* painter, const MenuMetrics::Rect& box, const QColor& colour) {
  painter->save();
  painter->setPen(colour);
  const int third = (box.right - box.left - 1) / 3;
  for (int thickness = 0; thickness < 3; ++thickness) {
    const QPoint start(box.left, box.top + 2 + thickness);
    const QPoint bend(box.left + third, box.top + 2 + third + thickness);
    painter->drawLine(start, bend);
    painter->drawLine(bend, QPoint(box.right - 1, box.top + thickness));
  }
  painter->restore();
}

// A filled triangle pointing right, as wide as box and twice as high less one.
void DrawSubMenuArrow(QPainter* painter, const MenuMetrics::Rect& box, const QColor& colour) {
  painter->save();
  painter->setPen(colour);
  const int middle = (box.top + box.bottom) / 2;
  for (int column = 0; column < box.right - box.left; ++column) {
    const int reach = box.right - box.left - 1 - column;
    painter->drawLine(box.left + column, middle - reach, box.left + column, middle + reach);
  }
  painter->restore();
}

QColor GrayText(const QPalette& palette) {
  return palette.color(QPalette::Disabled, QPalette::WindowText);
}

// The caption and the shortcut's text of an item ("caption\tshortcut").
struct ItemText {
  QString caption;
  QString shortcut;
};
ItemText SplitText(const QString& text) {
  const qsizetype tab = text.indexOf('\t');
  if (tab < 0) return {text, {}};
  return {text.left(tab), text.mid(tab + 1)};
}

bool IsSeparatorItem(const QStyleOptionMenuItem& item) {
  return item.menuItemType == QStyleOptionMenuItem::Separator ||
         MenuMetrics::IsSeparator(SplitText(item.text).caption.toStdString());
}

constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextSingleLine;

}  // namespace

MenuPainter::MenuPainter(QWidget* owner, Mode mode) : owner(owner), mode(mode) { setParent(owner); }

MenuPainter::Mode MenuModeFromSettings() {
  return Settings::Instance().GetBool(SettingId::WindowsMenusAndFont) ? MenuPainter::Mode::Plain
                                                                      : MenuPainter::Mode::Program;
}

int MenuPainter::FontHeight() const {
  const QFont font = owner->font();
  if (font.pixelSize() > 0) return -font.pixelSize();
  return MenuMetrics::FontHeightFromPoints(font.pointSize(), owner->logicalDpiY());
}

int MenuPainter::pixelMetric(PixelMetric metric, const QStyleOption* option,
                             const QWidget* widget) const {
  // Items reach the menu's frame, so the stripe and the offsets start at its inner edge.
  if (metric == PM_MenuHMargin || metric == PM_MenuVMargin) return 0;
  return QProxyStyle::pixelMetric(metric, option, widget);
}

QSize MenuPainter::sizeFromContents(ContentsType type, const QStyleOption* option,
                                    const QSize& size, const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (!item) return QProxyStyle::sizeFromContents(type, option, size, widget);
  const QFontMetrics metrics(owner->font());

  if (type == CT_MenuBarItem) {
    const QSize proposed = QProxyStyle::sizeFromContents(type, option, size, widget);
    const int width = MenuMetrics::MainMenuItemWidth(metrics.horizontalAdvance(item->text),
                                                     metrics.horizontalAdvance('&'));
    // The menu system adds room between bar items. Where it would let a caption run on past
    // its item, the caption here is cut at the item's edge, so an item is never narrower than
    // its caption as drawn.
    const int drawn = metrics.size(Qt::TextShowMnemonic, item->text).width();
    return QSize(std::max(width + kBarItemSpace, drawn + 2 * MenuMetrics::kBarTextIndent),
                 proposed.height());
  }
  if (type == CT_MenuItem && (item->menuItemType == QStyleOptionMenuItem::Normal ||
                              item->menuItemType == QStyleOptionMenuItem::SubMenu ||
                              item->menuItemType == QStyleOptionMenuItem::Separator)) {
    const ItemText text = SplitText(item->text);
    const std::string caption =
        item->menuItemType == QStyleOptionMenuItem::Separator ? "-" : text.caption.toStdString();
    const int shortcutWidth =
        text.shortcut.isEmpty() ? 0 : metrics.horizontalAdvance(text.shortcut);
    const MenuMetrics::Size measured = MenuMetrics::MeasurePopupMenuItem(
        caption, metrics.horizontalAdvance(text.caption), shortcutWidth, FontHeight());
    // The menu adds a column as wide as its widest shortcut to every item itself; a sub-menu's
    // item keeps room for its arrow.
    const int arrowRoom = item->menuItemType == QStyleOptionMenuItem::SubMenu
                              ? MenuMetrics::kSubMenuArrowWidth + MenuMetrics::kRightGap
                              : 0;
    return QSize(measured.width - shortcutWidth + arrowRoom, measured.height);
  }
  return QProxyStyle::sizeFromContents(type, option, size, widget);
}

void MenuPainter::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const {
  const auto* item = qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  if (item && element == CE_MenuBarItem) {
    DrawMainMenuItem(option, painter);
    return;
  }
  if (item && element == CE_MenuBarEmptyArea) {
    painter->fillRect(option->rect, option->palette.color(QPalette::Button));
    return;
  }
  if (item && element == CE_MenuItem &&
      (item->menuItemType == QStyleOptionMenuItem::Normal ||
       item->menuItemType == QStyleOptionMenuItem::SubMenu ||
       item->menuItemType == QStyleOptionMenuItem::Separator)) {
    DrawPopupMenuItem(option, painter);
    return;
  }
  QProxyStyle::drawControl(element, option, painter, widget);
}

void MenuPainter::DrawMainMenuItem(const QStyleOption* option, QPainter* painter) const {
  const auto& item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  const QPalette& palette = item.palette;
  const MenuMetrics::Rect rect = ToMetrics(item.rect);
  painter->save();
  FillRect(painter, rect, palette.color(QPalette::Button));
  painter->setFont(owner->font());
  if (IsSeparatorItem(item)) {
    painter->restore();
    return;
  }

  const bool enabled = item.state & State_Enabled;
  const bool selected = item.state & (State_Selected | State_Sunken);
  QColor textColour = palette.color(QPalette::WindowText);
  if (!enabled) {
    textColour = GrayText(palette);
  } else if (selected) {
    const bool plain = mode == Mode::Plain;
    const QColor highlight = plain ? palette.color(QPalette::Highlight) : kSkyBlue;
    FrameRect(painter, rect, plain ? highlight : palette.color(QPalette::Highlight));
    FillRect(painter, {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}, highlight);
    textColour =
        plain ? palette.color(QPalette::HighlightedText) : palette.color(QPalette::WindowText);
  }
  painter->setPen(textColour);
  const QRect textRect(QPoint(rect.left + MenuMetrics::kBarTextIndent,
                              MenuMetrics::MainMenuTextTop(rect, FontHeight())),
                       QPoint(rect.right - 1, rect.bottom - 1));
  painter->drawText(textRect, kTextFlags, item.text);
  painter->restore();
}

void MenuPainter::DrawPopupMenuItem(const QStyleOption* option, QPainter* painter) const {
  const auto& item = *qstyleoption_cast<const QStyleOptionMenuItem*>(option);
  const QPalette& palette = item.palette;
  const MenuMetrics::Rect rect = ToMetrics(item.rect);
  const bool plain = mode == Mode::Plain;
  painter->save();
  FillRect(painter, rect, palette.color(QPalette::Window));
  QFont font = owner->font();
  painter->setFont(font);

  if (IsSeparatorItem(item)) {
    if (!plain) FillRect(painter, MenuMetrics::IconStripe(rect), palette.color(QPalette::Button));
    const MenuMetrics::Line line = MenuMetrics::SeparatorLine(rect, plain);
    painter->setPen(GrayText(palette));
    // The line's last point is excluded, as the platform draws lines.
    if (line.x2 > line.x1) painter->drawLine(line.x1, line.y, line.x2 - 1, line.y);
    painter->restore();
    return;
  }

  if (!plain) FillRect(painter, MenuMetrics::IconStripe(rect), palette.color(QPalette::Button));
  const bool enabled = item.state & State_Enabled;
  const bool selected = item.state & State_Selected;
  QColor textColour = enabled ? palette.color(QPalette::WindowText) : GrayText(palette);
  if (selected && enabled) {
    if (plain) {
      const QColor caption = palette.color(QPalette::Highlight);
      FrameRect(painter, MenuMetrics::PlainPopupFrame(rect), caption);
      FillRect(painter, MenuMetrics::PlainPopupFill(rect), caption);
      textColour = palette.color(QPalette::HighlightedText);
    } else {
      FrameRect(painter, MenuMetrics::PopupFrame(rect), palette.color(QPalette::Highlight));
      FillRect(painter, MenuMetrics::PopupFill(rect), kSkyBlue);
    }
  } else if (selected) {
    font.setBold(false);
    font.setItalic(false);
    font.setUnderline(false);
    font.setStrikeOut(false);
    painter->setFont(font);
  }

  // No image for an item without one, even where other items have theirs. A checked item shows
  // its mark where the image goes, or a frame round its image.
  const bool checked = item.checkType != QStyleOptionMenuItem::NotCheckable && item.checked;
  if (!item.icon.isNull()) {
    const QPixmap image = item.icon.pixmap(QSize(kImageSize, kImageSize));
    const int imageHeight = qRound(image.height() / image.devicePixelRatio());
    const int imageTop = MenuMetrics::IconTop(rect, imageHeight);
    painter->drawPixmap(rect.left + MenuMetrics::kIconLeft, imageTop, image);
    if (checked) {
      FrameRect(painter,
                {rect.left + MenuMetrics::kIconLeft - 1, imageTop - 1,
                 rect.left + MenuMetrics::kIconLeft + kImageSize + 1, imageTop + imageHeight + 1},
                textColour);
    }
  } else if (checked) {
    DrawCheckMark(painter, MenuMetrics::CheckMark(rect), textColour);
  }

  painter->setPen(textColour);
  const ItemText text = SplitText(item.text);
  const QRect textRect(
      QPoint(rect.left + MenuMetrics::kTextIndent, rect.top + MenuMetrics::kTextDrop),
      QPoint(rect.right - 1, rect.bottom - 1));
  painter->drawText(textRect, kTextFlags, text.caption);
  if (!text.shortcut.isEmpty()) {
    const int width = QFontMetrics(font).horizontalAdvance(text.shortcut);
    const QRect shortcutRect(QPoint(MenuMetrics::ShortcutLeft(rect, width), textRect.top()),
                             textRect.bottomRight());
    painter->drawText(shortcutRect, kTextFlags, text.shortcut);
  }
  // Without its arrow an item that opens a sub-menu looks like one that acts at once.
  if (item.menuItemType == QStyleOptionMenuItem::SubMenu)
    DrawSubMenuArrow(painter, MenuMetrics::SubMenuArrow(rect), textColour);
  painter->restore();
}

namespace {

void SetPainter(QMenu* menu, MenuPainter* painter) {
  menu->setStyle(painter);
  // The menu's size was worked out with the style it had.
  menu->adjustSize();
}

// The menu and, when below is 1, the menus one level under it.
void HookLevels(QMenu* menu, MenuPainter* painter, int below) {
  SetPainter(menu, painter);
  if (below == 0) return;
  for (QAction* action : menu->actions())
    if (QMenu* sub = action->menu()) HookLevels(sub, painter, below - 1);
}

}  // namespace

void HookMainMenu(QMenuBar* bar, QWidget* owner) {
  auto* painter = new MenuPainter(owner, MenuModeFromSettings());
  bar->setNativeMenuBar(false);  // a desktop's global menu would bypass the painter
  bar->setStyle(painter);
  for (QAction* action : bar->actions())
    if (QMenu* menu = action->menu()) HookLevels(menu, painter, 1);
}

void HookPopupMenu(QMenu* menu, QWidget* owner) {
  HookLevels(menu, new MenuPainter(owner, MenuModeFromSettings()), 1);
}
