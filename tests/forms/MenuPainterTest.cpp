#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStyleOptionMenuItem>
#include <QTest>

#include "foundation/MenuMetrics.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/forms/MenuPainter.h"
#include "support/ScopedAppPaths.h"
#include "support/Screenshots.h"

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);

class MenuPainterTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Settings::Rebuild();
    QFont font = owner.font();
    font.setPointSize(8);
    owner.setFont(font);
    owner.resize(300, 200);
  }
  void UseMode(bool plain) { Settings::Instance().SetBool(SettingId::WindowsMenusAndFont, plain); }
  // A menu with an icon item, a separator, an item with a shortcut and a disabled item.
  QMenu* MakeMenu() {
    auto* menu = new QMenu(&owner);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    toggle = menu->addAction(QIcon(red), "&Toggle Lexicons");
    menu->addSeparator();
    remove = menu->addAction("Delete Lexicons");
    remove->setShortcut(QKeySequence::Delete);
    close = menu->addAction("&Close");
    close->setEnabled(false);
    return menu;
  }
  // Draws one item of the style directly, as the menu would, onto a white image.
  static QImage DrawItem(QStyle& style, QStyle::ControlElement element, QStyleOptionMenuItem option,
                         const QRect& rect) {
    QImage image(rect.right() + 10, rect.bottom() + 10, QImage::Format_RGB32);
    image.fill(Qt::white);
    option.rect = rect;
    QPainter painter(&image);
    style.drawControl(element, &option, &painter, nullptr);
    return image;
  }
  static QStyleOptionMenuItem Item(const QString& text, bool enabled, bool selected) {
    QStyleOptionMenuItem option;
    option.text = text;
    option.menuItemType = QStyleOptionMenuItem::Normal;
    option.palette = QApplication::palette();
    option.state = QStyle::State_None;
    if (enabled) option.state |= QStyle::State_Enabled;
    if (selected) option.state |= QStyle::State_Selected;
    return option;
  }
  static QColor At(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

  ScopedAppPaths paths;
  QWidget owner;
  QAction* toggle = nullptr;
  QAction* remove = nullptr;
  QAction* close = nullptr;
  const QPalette palette = QApplication::palette();
  const QColor button = palette.color(QPalette::Button);
  const QColor window = palette.color(QPalette::Window);
  const QColor highlight = palette.color(QPalette::Highlight);
  const QColor gray = palette.color(QPalette::Disabled, QPalette::WindowText);
};

TEST_F(MenuPainterTest, ProgramStylePopupHasStripeFrameSkyBlueAndSeparator) {
  UseMode(false);
  QMenu* menu = MakeMenu();
  HookPopupMenu(menu, &owner);
  menu->popup(QPoint(0, 0));
  menu->setActiveAction(toggle);
  const QImage image = menu->grab().toImage();
  image.save(ScreenshotPath("menu-program.png"));

  const QRect item = menu->actionGeometry(toggle);
  EXPECT_EQ(item.height(), 19);  // 8 points at 96 dpi: height -11
  const QRect separator = menu->actionGeometry(menu->actions()[1]);
  EXPECT_EQ(separator.height(), 8);
  EXPECT_EQ(menu->actionGeometry(close).height(), 19);

  // Stripe, frame at left + 21, sky blue inside.
  EXPECT_EQ(At(image, item.left() + 19, item.bottom()), button);
  EXPECT_EQ(At(image, item.left() + 21, item.top() + 5), highlight);
  EXPECT_EQ(At(image, item.left() + 21, item.top()), highlight);
  EXPECT_EQ(At(image, item.right() - 2, item.top() + 5), highlight);
  EXPECT_EQ(At(image, item.left() + 22, item.top() + 1), kSkyBlue);
  EXPECT_EQ(At(image, item.right() - 3, item.bottom() - 1), kSkyBlue);
  EXPECT_EQ(At(image, item.right() - 1, item.top() + 5), window);
  // The icon at x = 2.
  const int iconTop = item.top() + (19 - 16) / 2;
  EXPECT_EQ(At(image, item.left() + 2, iconTop), QColor(Qt::red));
  EXPECT_EQ(At(image, item.left() + 17, iconTop + 15), QColor(Qt::red));
  EXPECT_EQ(At(image, item.left() + 1, iconTop), button);

  // The separator: a grey line from 25 to right - 5 over the stripe's row.
  const int middle = separator.top() + separator.height() / 2;
  EXPECT_EQ(At(image, separator.left() + 10, middle), button);
  EXPECT_EQ(At(image, separator.left() + 24, middle), window);
  EXPECT_EQ(At(image, separator.left() + 25, middle), gray);
  EXPECT_EQ(At(image, separator.right() - 5, middle), gray);
  EXPECT_EQ(At(image, separator.right() - 4, middle), window);
  EXPECT_EQ(At(image, separator.left() + 30, middle - 1), window);

  // An item without an image shows the bare stripe where an icon would go.
  const QRect plainItem = menu->actionGeometry(remove);
  for (int x = plainItem.left(); x < plainItem.left() + 20; ++x)
    for (int y = plainItem.top(); y <= plainItem.bottom(); ++y)
      ASSERT_EQ(At(image, x, y), button) << x << "," << y;
  // Not selected: no frame.
  EXPECT_EQ(At(image, plainItem.left() + 21, plainItem.top() + 1), window);
  menu->hide();
}

TEST_F(MenuPainterTest, PlainStylePopupHasNoStripeAndAFullWidthHighlight) {
  UseMode(true);
  QMenu* menu = MakeMenu();
  HookPopupMenu(menu, &owner);
  menu->popup(QPoint(0, 0));
  menu->setActiveAction(toggle);
  const QImage image = menu->grab().toImage();
  image.save(ScreenshotPath("menu-plain.png"));

  const QRect item = menu->actionGeometry(toggle);
  EXPECT_EQ(At(image, item.left(), item.top() + 5), window);
  EXPECT_EQ(At(image, item.left() + 1, item.top() + 5), highlight);
  EXPECT_EQ(At(image, item.left() + 19, item.bottom() - 1), highlight);
  EXPECT_EQ(At(image, item.right() - 3, item.bottom() - 1), highlight);
  EXPECT_EQ(At(image, item.right() - 1, item.top() + 5), window);

  const QRect separator = menu->actionGeometry(menu->actions()[1]);
  const int middle = separator.top() + separator.height() / 2;
  EXPECT_EQ(At(image, separator.left() + 4, middle), window);
  EXPECT_EQ(At(image, separator.left() + 5, middle), gray);
  EXPECT_EQ(At(image, separator.left() + 10, middle - 1), window);

  const QRect plainItem = menu->actionGeometry(remove);
  EXPECT_EQ(At(image, plainItem.left() + 10, plainItem.top() + 1), window);
  menu->hide();
}

TEST_F(MenuPainterTest, ADisabledSelectedPopupItemShowsNoHighlightInEitherStyle) {
  for (const auto mode : {MenuPainter::Mode::Program, MenuPainter::Mode::Plain}) {
    MenuPainter painter(&owner, mode);
    const QRect rect(0, 0, 120, 19);
    const QImage image = DrawItem(painter, QStyle::CE_MenuItem, Item("&Close", false, true), rect);
    for (int x = 21; x < 118; ++x) {
      ASSERT_NE(At(image, x, 1), highlight) << x;
      ASSERT_NE(At(image, x, 1), kSkyBlue) << x;
    }
    EXPECT_EQ(At(image, 22, 1), window);
    EXPECT_EQ(At(image, 5, 1), mode == MenuPainter::Mode::Program ? button : window);
  }
}

// Where an item has its image, the image is framed to show it checked.
TEST_F(MenuPainterTest, ACheckedItemWithAnImageIsFramed) {
  MenuPainter painter(&owner, MenuPainter::Mode::Program);
  QStyleOptionMenuItem item = Item("&Toggle", true, false);
  QPixmap red(16, 16);
  red.fill(Qt::red);
  item.icon = QIcon(red);
  item.checkType = QStyleOptionMenuItem::NonExclusive;
  item.checked = true;
  // A menu measures its items before it draws them; the image is centred on that height.
  const int height =
      painter.sizeFromContents(QStyle::CT_MenuItem, &item, QSize(), nullptr).height();
  const QImage image = DrawItem(painter, QStyle::CE_MenuItem, item, QRect(0, 0, 120, height));
  const int top = MenuMetrics::IconTop({0, 0, 120, height}, 16);
  EXPECT_EQ(At(image, 1, top - 1), palette.color(QPalette::WindowText));
  EXPECT_EQ(At(image, 18, top + 16), palette.color(QPalette::WindowText));
}

TEST_F(MenuPainterTest, OnlyACaptionOfExactlyADashIsASeparator) {
  MenuPainter painter(&owner, MenuPainter::Mode::Program);
  const QRect rect(0, 0, 120, 19);
  const QImage dash = DrawItem(painter, QStyle::CE_MenuItem, Item("-", true, false), rect);
  EXPECT_EQ(At(dash, 60, 9), gray);
  const QImage dashX = DrawItem(painter, QStyle::CE_MenuItem, Item("-x", true, false), rect);
  EXPECT_EQ(At(dashX, 60, 9), window);
  const QStyleOptionMenuItem dashItem = Item("-", true, false);
  const QStyleOptionMenuItem dashXItem = Item("-x", true, false);
  EXPECT_EQ(painter.sizeFromContents(QStyle::CT_MenuItem, &dashItem, QSize(), nullptr).height(), 8);
  EXPECT_EQ(painter.sizeFromContents(QStyle::CT_MenuItem, &dashXItem, QSize(), nullptr).height(),
            19);
}

TEST_F(MenuPainterTest, BarItemsInBothStyles) {
  const QRect rect(0, 0, 70, 20);
  MenuPainter program(&owner, MenuPainter::Mode::Program);
  const QImage selected =
      DrawItem(program, QStyle::CE_MenuBarItem, Item("&Lexicons", true, true), rect);
  EXPECT_EQ(At(selected, 0, 0), highlight);
  EXPECT_EQ(At(selected, 69, 19), highlight);
  EXPECT_EQ(At(selected, 1, 1), kSkyBlue);
  EXPECT_EQ(At(selected, 68, 18), kSkyBlue);
  EXPECT_EQ(At(selected, 70, 10), QColor(Qt::white));  // nothing beyond the item

  const QImage idle =
      DrawItem(program, QStyle::CE_MenuBarItem, Item("&Lexicons", true, false), rect);
  EXPECT_EQ(At(idle, 0, 0), button);
  EXPECT_EQ(At(idle, 1, 1), button);

  MenuPainter plain(&owner, MenuPainter::Mode::Plain);
  const QImage plainSelected =
      DrawItem(plain, QStyle::CE_MenuBarItem, Item("&Lexicons", true, true), rect);
  EXPECT_EQ(At(plainSelected, 0, 0), highlight);
  EXPECT_EQ(At(plainSelected, 1, 1), highlight);

  // Disabled: no highlight, grey text somewhere on the button face.
  const QImage disabled =
      DrawItem(program, QStyle::CE_MenuBarItem, Item("&Lexicons", false, true), rect);
  EXPECT_EQ(At(disabled, 1, 1), button);

  // The bar measures its caption less the "&", never cutting what it draws.
  const QFontMetrics metrics(owner.font());
  const QStyleOptionMenuItem bar = Item("&Lexicons", true, false);
  const int ampersand = metrics.horizontalAdvance('&');
  const int marked = metrics.horizontalAdvance("&Lexicons");
  const int drawn = metrics.horizontalAdvance("Lexicons");
  EXPECT_EQ(program.sizeFromContents(QStyle::CT_MenuBarItem, &bar, QSize(10, 10), nullptr).width(),
            std::max(marked - ampersand + 12, drawn + 10));
  const QStyleOptionMenuItem unmarked = Item("Lexicons", true, false);
  EXPECT_EQ(
      program.sizeFromContents(QStyle::CT_MenuBarItem, &unmarked, QSize(10, 10), nullptr).width(),
      std::max(drawn - ampersand + 12, drawn + 10));
}

TEST_F(MenuPainterTest, ABarIsHookedTwoLevelsDeepInTheStyleOfTheSettingAtTheTime) {
  UseMode(true);
  QMenuBar bar(&owner);
  QMenu* top = bar.addMenu("&Lexicons");
  QMenu* second = top->addMenu("More");
  QMenu* third = second->addMenu("Most");
  QMenu popup(&owner);
  QMenu* popupSub = popup.addMenu("Sub");
  QMenu* popupDeeper = popupSub->addMenu("Deeper");
  HookMainMenu(&bar, &owner);
  HookPopupMenu(&popup, &owner);
  UseMode(false);  // later changes reach only windows made afterwards

  auto* painter = qobject_cast<MenuPainter*>(bar.style());
  ASSERT_NE(painter, nullptr);
  EXPECT_EQ(painter->PaintMode(), MenuPainter::Mode::Plain);
  EXPECT_EQ(top->style(), painter);
  EXPECT_EQ(second->style(), painter);
  EXPECT_EQ(qobject_cast<MenuPainter*>(third->style()), nullptr);
  EXPECT_FALSE(bar.isNativeMenuBar());
  auto* popupPainter = qobject_cast<MenuPainter*>(popup.style());
  ASSERT_NE(popupPainter, nullptr);
  EXPECT_EQ(popupPainter->PaintMode(), MenuPainter::Mode::Plain);
  EXPECT_EQ(popupSub->style(), popupPainter);
  EXPECT_EQ(qobject_cast<MenuPainter*>(popupDeeper->style()), nullptr);
}

}  // namespace
