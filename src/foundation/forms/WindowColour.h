#pragma once
// The "Window Colour" setting: the background of the edits, lists and pages the user types in
// or reads results from.

class QWidget;

// Gives the control's base (the background of its text and items) the setting's colour.
void SetWindowColour(QWidget* control);
