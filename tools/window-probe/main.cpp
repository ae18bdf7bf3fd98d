// window-probe STEP...: opens the program's main window (offscreen unless a platform is
// chosen), acts on it as a user would and prints what the user would see. A developer's tool
// for checks and start-up figures; the steps are listed in src/app/probe/WindowSteps.h.
// Exit 0 when every step was done, 1 when one could not be, 3 for bad arguments; SIGINT and
// SIGTERM end it by the signal, its working files removed.

#include <QApplication>
#include <cstdlib>
#include <iostream>

#include "app/ProgramStart.h"
#include "app/TfrmMain.h"
#include "app/probe/WindowSteps.h"
#include "platform/SignalStop.h"

int main(int argc, char** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", /*overwrite=*/0);
  QApplication application(argc, argv);
  QStringList words = QApplication::arguments().mid(1);
  if (words.isEmpty()) {
    std::cerr << "usage: window-probe STEP...\n";
    return 3;
  }
  for (int i = 0; i < words.size(); i += WindowSteps::ArgumentCount(words[i]) + 1) {
    const int count = WindowSteps::ArgumentCount(words[i]);
    if (count < 0 || i + count >= words.size()) {
      std::cerr << "window-probe: bad step " << words[i].toStdString() << "\n";
      return 3;
    }
  }
  // SIGINT and SIGTERM end the steps and close the window as they close the program's, so that
  // its tabs' working files go with it, and end the probe once it is gone.
  return SignalStop::RunEndingOnSignals([&] {
    StartProgram();
    WindowSteps steps(std::cout);
    auto* window = new TfrmMain;
    steps.Attach(*window);
    window->show();
    QString error;
    const bool done = steps.RunAll(words, &error);
    if (!done) std::cerr << "window-probe: " << error.toStdString() << "\n";
    // A window left open is closed without its questions: the probe is done with it.
    delete window;
    return done ? 0 : 1;
  });
}
