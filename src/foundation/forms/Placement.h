#pragma once
// Placing one control next to another, for dialogs whose controls change size. Nothing clamps:
// a control may end up partly outside its parent (a negative left included).

class QWidget;

// control's top = reference's bottom + gap.
void PlaceBelow(QWidget* control, const QWidget* reference, int gap);
// control's left = reference's right + gap.
void PlaceRightOf(QWidget* control, const QWidget* reference, int gap);
// control's left = reference's left - control's width - gap.
void PlaceLeftOf(QWidget* control, const QWidget* reference, int gap);
