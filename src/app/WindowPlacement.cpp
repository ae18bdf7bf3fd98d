#include "app/WindowPlacement.h"

#include <QWidget>
#include <algorithm>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

void RestoreWindowPlacement(QWidget* window) {
  Settings& settings = Settings::Instance();
  // A damaged store must not make the window vanish.
  const int width = std::max(settings.GetInt(SettingId::Width), 100);
  const int height = std::max(settings.GetInt(SettingId::Height), 100);
  window->resize(width, height);
  window->move(settings.GetInt(SettingId::Left), settings.GetInt(SettingId::Top));
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
