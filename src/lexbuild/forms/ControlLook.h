#pragma once
// How the lexicon dialogs dress their controls: hints and the "Window Colour" setting.

class QString;
class QWidget;

// A hint "short|long": the short text as tool tip, the long one on the status line.
void SetHint(QWidget* control, const QString& hint);
// The background of edits and lists: the "Window Colour" setting (0x00BBGGRR).
void SetWindowColour(QWidget* control);
