// The peer of the main window's start-up figure: a bare QMainWindow of the same size, shown the
// same way, printing the milliseconds from its process's start to its first paint.

#include <QApplication>
#include <QEvent>
#include <QMainWindow>
#include <QTimer>
#include <cstdio>

#include "platform/ProcessClock.h"

namespace {
class BareWindow : public QMainWindow {
 protected:
  bool event(QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted) {
      painted = true;
      std::printf("%lld\n", static_cast<long long>(MillisecondsSinceProcessStart()));
      QTimer::singleShot(0, qApp, &QApplication::quit);
    }
    return QMainWindow::event(event);
  }

 private:
  bool painted = false;
};
}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  BareWindow window;
  window.setWindowTitle("Sorvane");
  window.resize(680, 480);
  window.show();
  return application.exec();
}
