#include "app/ProgramStart.h"

#include <QApplication>

#include "platform/Host.h"
#include "search/forms/SearchQtHost.h"

QtHost& StartProgram() {
  QApplication::setApplicationName("Sorvane");
  static SearchQtHost host;
  Host::Install(&host);
  return host;
}
