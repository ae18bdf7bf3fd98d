#include "search/forms/SearchQtHost.h"

#include <QCoreApplication>
#include <QThread>
#include <cassert>

#include "search/forms/TSubSetDlg.h"

int SearchQtHost::RunSubsetDialog(SubsetJob& job) {
  assert(QThread::currentThread() == QCoreApplication::instance()->thread());
  TSubSetDlg dialog(ApplicationWindow(), job);
  return dialog.exec();
}
