#pragma once
// Gives the program's host the dialogs core code opens through it: the "Please Wait..." progress
// dialog, the "Analysing Lexicons" dialog and the "Select Lexicons" dialog. The program's main
// calls it once its host exists, the form tests with each host they make.

class QtHost;

void RegisterHostDialogs(QtHost& host);
