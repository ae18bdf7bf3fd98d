#include "app/WindowPlacement.h"

#include <QScreen>
#include <QWidget>
#include <algorithm>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

void RestoreWindowPlacement(QWidget* window) {
  Settings& settings = Settings::Instance();
  // A damaged or hand-edited store must not put the window out of reach, or make it larger than
  // the screens (a window too large to draw ends the program). A window partly off the screens
  // stays where the user left it, as long as a corner of it and its top edge can be reached.
  constexpr int kLeast = 100;
  const QRect screens = window->screen()->availableVirtualGeometry();
  const int width =
      std::clamp(settings.GetInt(SettingId::Width), kLeast, std::max(screens.width(), kLeast));
  const int height =
      std::clamp(settings.GetInt(SettingId::Height), kLeast, std::max(screens.height(), kLeast));
  window->resize(width, height);
  window->move(std::clamp(settings.GetInt(SettingId::Left), screens.left() + kLeast - width,
                          screens.right() + 1 - kLeast),
               std::clamp(settings.GetInt(SettingId::Top), screens.top(),
                          std::max(screens.top(), screens.bottom() + 1 - kLeast)));
  if (settings.GetBool(SettingId::Maximised)) {
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
  }
}

void StoreWindowPlacement(const QWidget* window) {
  Settings& settings = Settings::Instance();
  const bool maximised = window->isMaximized();
  settings.SetBool(SettingId::Maximised, maximised);
  // Left and Top are where the frame stands, as move() takes them; a maximised window keeps its
  // size before it was maximised.
  const QPoint place = maximised ? window->normalGeometry().topLeft() : window->pos();
  const QSize size = maximised ? window->normalGeometry().size() : window->size();
  if (size.isEmpty()) return;
  settings.SetInt(SettingId::Left, place.x());
  settings.SetInt(SettingId::Top, place.y());
  settings.SetInt(SettingId::Width, size.width());
  settings.SetInt(SettingId::Height, size.height());
}
