#include "foundation/forms/CopyFontSettings.h"

#include <QFont>
#include <QWidget>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

bool CopyFontSettings(QWidget* widget) {
  Settings& settings = Settings::Instance();
  QFont font = widget->font();
  bool changed = false;

  const QString family = QString::fromStdString(settings.GetString(SettingId::SorvaneFont));
  if (font.family() != family) {
    font.setFamily(family);
    changed = true;
  }
  // A size that is no size (a damaged store) leaves the widget's own.
  const int pointSize = settings.GetInt(SettingId::Font);
  if (pointSize > 0 && font.pointSize() != pointSize) {
    font.setPointSize(pointSize);
    changed = true;
  }
  const bool bold = settings.GetBool(SettingId::Bold);
  if (font.bold() != bold) {
    font.setBold(bold);
    changed = true;
  }

  if (changed) widget->setFont(font);
  return changed;
}
