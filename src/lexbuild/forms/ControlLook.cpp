#include "lexbuild/forms/ControlLook.h"

#include <QColor>
#include <QPalette>
#include <QString>
#include <QWidget>

#include "foundation/SettingIds.h"
#include "foundation/Settings.h"

void SetHint(QWidget* control, const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  control->setToolTip(bar < 0 ? hint : hint.left(bar));
  control->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}

void SetWindowColour(QWidget* control) {
  const uint32_t colour = static_cast<uint32_t>(Settings::Instance().GetInt(SettingId::WindowColour));
  QPalette palette = control->palette();
  palette.setColor(QPalette::Base, QColor(colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF));
  control->setPalette(palette);
}
