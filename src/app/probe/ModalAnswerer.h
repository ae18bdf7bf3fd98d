#pragma once
// Answers the boxes, file dialogs and dialogs the main window opens, from answers queued in
// advance, and prints each box and dialog as it is shown. A box or dialog with no answer
// waiting is answered as Enter would (a box) or closed (a dialog), so nothing waits for a
// person; a dialog the steps act on next is left open to them. A box opened by an answer (a
// dialog's OK that shows a box) is answered in turn.

#include <QObject>
#include <QString>
#include <QTimer>
#include <deque>
#include <functional>
#include <ostream>

class QDialog;
class QMessageBox;

class ModalAnswerer : public QObject {
  Q_OBJECT
 public:
  explicit ModalAnswerer(std::ostream& out);
  ~ModalAnswerer() override;

  // "ok", "cancel", "yes" or "no", for the next box or dialog (or "cancel" for a file dialog).
  void QueueReply(const QString& reply);
  // A file name for the next file dialog.
  void QueueFile(const QString& path);
  // Columns and rows for the next new-grid dialog.
  void QueueGridSize(int columns, int rows);
  // A colour for the next colour dialog: a name Qt knows ("#ff8000", "yellow").
  void QueueColour(const QString& name);
  // Asked for each new dialog: true leaves it open for the steps to act on.
  void SetLeaveToSteps(std::function<bool()> ask) { leaveToSteps = std::move(ask); }
  // Whether a dialog was left open for the steps.
  static bool LeftToSteps(const QWidget* dialog);

 private:
  enum class Kind { Reply, File, Size, Colour };
  struct Answer {
    Kind kind;
    QString text;
    int columns = 0, rows = 0;
  };

  void Poll();
  void AnswerBox(QMessageBox* box);
  void AnswerDialog(QDialog* dialog);
  // Takes the first queued answer of one of the kinds; false when there is none.
  bool Take(std::initializer_list<Kind> kinds, Answer* answer);

  std::ostream& out;
  std::deque<Answer> answers;
  std::function<bool()> leaveToSteps;
  QTimer poll;
};
