#pragma once
// How the lexicon dialogs dress their controls with hints.

class QString;
class QWidget;

// A hint "short|long": the short text as tool tip, the long one on the status line.
void SetHint(QWidget* control, const QString& hint);
