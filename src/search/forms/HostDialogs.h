#pragma once
// Gives the program's host the dialogs core code opens through it, the "Please Wait..." progress
// dialog and the "Analysing Lexicons" dialog, and the search layer its "Select Lexicons" dialog.
// The program's main calls it once its host exists, the form tests with each host they make.

class QtHost;

void RegisterHostDialogs(QtHost& host);
