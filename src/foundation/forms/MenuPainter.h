#pragma once
// The program's own painting of menu items: a style that measures and draws menu-bar and pop-up
// items in the owning window's font, either in the program's style (a grey icon stripe and a
// sky-blue highlight) or, with "Windows Menus and Font" on, in a plainer style using the
// system's highlight colours. A window hooks its menus while it is made.

#include <QProxyStyle>

class QMenu;
class QMenuBar;

class MenuPainter : public QProxyStyle {
  Q_OBJECT

 public:
  enum class Mode { Program, Plain };

  // owner: the window whose font measures and draws the items; the painter belongs to it.
  MenuPainter(QWidget* owner, Mode mode);

  Mode PaintMode() const { return mode; }

  QSize sizeFromContents(ContentsType type, const QStyleOption* option, const QSize& size,
                         const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  int pixelMetric(PixelMetric metric, const QStyleOption* option,
                  const QWidget* widget) const override;

 private:
  void DrawMainMenuItem(const QStyleOption* option, QPainter* painter) const;
  void DrawPopupMenuItem(const QStyleOption* option, QPainter* painter) const;
  int FontHeight() const;

  QWidget* owner;
  Mode mode;
};

// The mode of the "Windows Menus and Font" setting as it is now.
MenuPainter::Mode MenuModeFromSettings();

// Gives the bar, the menus of its items and their sub-menus the owner's painter; deeper menus
// keep the ordinary style. Reads the setting once.
void HookMainMenu(QMenuBar* bar, QWidget* owner);
// Gives the menu and its sub-menus the owner's painter.
void HookPopupMenu(QMenu* menu, QWidget* owner);
