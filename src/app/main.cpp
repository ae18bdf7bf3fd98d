// The program: one main window, no command line.

#include <QApplication>

#include "app/ProgramStart.h"
#include "app/TfrmMain.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  StartProgram();
  TfrmMain window;
  window.show();
  return application.exec();
}
