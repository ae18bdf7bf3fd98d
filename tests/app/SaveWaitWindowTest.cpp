// A save to a name that another process is writing: the window waits under the progress dialog,
// whose Cancel leaves the name as it was.

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <csignal>
#include <filesystem>
#include <sys/wait.h>
#include <unistd.h>

#include "app/WindowTestSupport.h"
#include "foundation/FileWriteLock.h"
#include "foundation/forms/TDlgProgress.h"
#include "support/TempFolder.h"

namespace {

// Another process writing the file at path: it holds the file's write lock for a few seconds,
// or until this goes.
class WriterElsewhere {
 public:
  explicit WriterElsewhere(const std::string& path) {
    int ready[2];
    if (::pipe(ready) != 0) return;
    child = ::fork();
    if (child == 0) {
      const FileWriteLock lock(path);
      const char held = lock.Granted() ? 1 : 0;
      (void)!::write(ready[1], &held, 1);
      ::sleep(5);
      ::_exit(0);
    }
    ::close(ready[1]);
    char held = 0;
    granted = child > 0 && ::read(ready[0], &held, 1) == 1 && held == 1;
    ::close(ready[0]);
  }
  ~WriterElsewhere() {
    if (child <= 0) return;
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
  }
  bool Granted() const { return granted; }

 private:
  pid_t child = -1;
  bool granted = false;
};

}  // namespace

TEST_F(WindowTest, ASaveWaitingForAnotherWriterShowsTheWaitAndItsCancelSavesNothing) {
  TempFolder folder;
  const std::string saved = folder / "cats.kvq";
  Run({"type", "find", "c?t", "click", "actSearch", "wait"});
  const WriterElsewhere writer(saved);
  ASSERT_TRUE(writer.Granted());
  // The user reads the wait and cancels it.
  QString waitShown;
  QTimer user;
  QObject::connect(&user, &QTimer::timeout, [&] {
    auto* wait = qobject_cast<TDlgProgress*>(QApplication::activeModalWidget());
    if (!wait || !wait->isVisible() || !waitShown.isEmpty()) return;
    waitShown = wait->lblMessage->text();
    QMetaObject::invokeMethod(wait->cmdCancel, &QPushButton::click, Qt::QueuedConnection);
  });
  user.start(1);
  const QStringList lines = Lines(
      Run({"file", QString::fromStdString(saved), "answer", "ok", "click", "actSaveResults"}));
  EXPECT_EQ(waitShown, "Waiting for Another Save to cats.kvq");
  EXPECT_EQ(lines.mid(1), (QStringList{"box Confirm: Cancel Operation?",
                                       "box Information: File Not Saved " +
                                           QString::fromStdString(saved)}));
  EXPECT_FALSE(std::filesystem::exists(saved));
  EXPECT_FALSE(std::filesystem::exists(folder / "cats.idx"));
}
