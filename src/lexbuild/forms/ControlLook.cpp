#include "lexbuild/forms/ControlLook.h"

#include <QString>
#include <QWidget>

void SetHint(QWidget* control, const QString& hint) {
  const qsizetype bar = hint.indexOf('|');
  control->setToolTip(bar < 0 ? hint : hint.left(bar));
  control->setStatusTip(bar < 0 ? hint : hint.mid(bar + 1));
}
