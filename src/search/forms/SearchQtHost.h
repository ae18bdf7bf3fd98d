#pragma once
// The program's host: QtHost, with the dialogs of the search subsystem that core code opens.

#include "platform/qt/QtHost.h"

class SearchQtHost : public QtHost {
 public:
  // Runs the job under the "Analysing Lexicons" dialog, owned by the application window.
  // Called on the GUI thread.
  int RunSubsetDialog(SubsetJob& job) override;
};
