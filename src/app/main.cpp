// The program: one main window, no command line.

#include <QApplication>
#include <memory>

#include "app/ProgramStart.h"
#include "app/TfrmMain.h"
#include "foundation/FailureText.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "platform/SignalStop.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  StartProgram();
  // SIGINT and SIGTERM close the window as its user would, and end the process once it is gone.
  return SignalStop::RunEndingOnSignals([&] {
    // A failure while the window is made is shown rather than ending the program unexplained.
    std::unique_ptr<TfrmMain> window;
    try {
      window = std::make_unique<TfrmMain>();
    } catch (...) {
      ShowMessageBox(CurrentFailureText(), LoadResString(kErrorCaption), MB_OK | MB_ICONERROR);
      return 1;
    }
    window->show();
    return application.exec();
  });
}
