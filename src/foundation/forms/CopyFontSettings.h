#pragma once
// The program's own font on its forms and controls.

class QWidget;

// Gives the widget the family of the "Sorvane Font" setting, the point size of "Font" and the
// bold style of "Bold", keeping the font's other style settings. Returns whether anything
// changed. Forms call it while they are built.
bool CopyFontSettings(QWidget* widget);
