#pragma once
// Per-user working folders for an installation the user cannot write to.

// When the installed Lexicons folder holds lexicons the user may not change, points the
// Lexicons and Temp settings at per-user folders under the application-data folder and copies
// the lexicons there (never over an existing copy); without an application-data folder, warns
// that the folders cannot be written. Runs once, before the Lexicons folder is first scanned.
void SetUpAppFolders();
