#pragma once
// What the program sets up before its main window is made: its name, the host through which
// the core talks to the user, and the dialogs the core opens. The window tests and the window
// probe start the same way.

class QtHost;

// Call once, after the QApplication is made. Returns the installed host, which lives as long
// as the process.
QtHost& StartProgram();
