#pragma once
// Text typed into a widget as a keyboard would send it.

class QString;
class QWidget;

// One key press a character, each carrying its text.
void TypeText(QWidget* widget, const QString& text);
