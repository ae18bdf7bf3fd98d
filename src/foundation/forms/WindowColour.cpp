#include "foundation/forms/WindowColour.h"

#include <QPalette>
#include <QWidget>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "platform/qt/ColorRef.h"

void SetWindowColour(QWidget* control) {
  QPalette palette = control->palette();
  palette.setColor(QPalette::Base, ColorRef::ToQColor(static_cast<uint32_t>(
                                       Settings::Instance().GetInt(SettingId::WindowColour))));
  control->setPalette(palette);
}
