#include "app/ProgramStart.h"

#include <QApplication>

#include "platform/Host.h"
#include "platform/qt/QtHost.h"
#include "search/forms/HostDialogs.h"

QtHost& StartProgram() {
  QApplication::setApplicationName("Sorvane");
  static QtHost host;
  RegisterHostDialogs(host);
  Host::Install(&host);
  return host;
}
