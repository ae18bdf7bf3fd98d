#pragma once
// The main window's place and size, kept in the settings between runs.

class QWidget;

// Moves and sizes the window as the settings say ("Left", "Top", "Width", "Height"), and
// maximises it when "Maximised" is on. Call before the window is shown.
void RestoreWindowPlacement(QWidget* window);
// Writes the window's place and size to the settings (in memory; the settings are saved
// later). A maximised window keeps the place it had before it was maximised.
void StoreWindowPlacement(const QWidget* window);
