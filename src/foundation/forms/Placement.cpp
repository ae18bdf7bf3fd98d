#include "foundation/forms/Placement.h"

#include <QWidget>

void PlaceBelow(QWidget* control, const QWidget* reference, int gap) {
  control->move(control->x(), reference->y() + reference->height() + gap);
}

void PlaceRightOf(QWidget* control, const QWidget* reference, int gap) {
  control->move(reference->x() + reference->width() + gap, control->y());
}

void PlaceLeftOf(QWidget* control, const QWidget* reference, int gap) {
  control->move(reference->x() - control->width() - gap, control->y());
}
