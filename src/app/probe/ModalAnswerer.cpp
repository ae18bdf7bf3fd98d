#include "app/probe/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

#include "app/FileChooser.h"

namespace {
constexpr int kPollMilliseconds = 5;
constexpr const char* kAnsweringProperty = "probeAnswering";
constexpr const char* kShownProperty = "probeShown";
constexpr const char* kLeftProperty = "probeLeftToSteps";

// One line a box, whatever its text holds.
std::string OneLine(const QString& text) {
  QString line = text;
  line.replace("\r\n", "\\n").replace('\n', "\\n");
  return line.toStdString();
}

QMessageBox::StandardButton ButtonFor(const QString& reply) {
  if (reply == "ok") return QMessageBox::Ok;
  if (reply == "yes") return QMessageBox::Yes;
  if (reply == "no") return QMessageBox::No;
  return QMessageBox::Cancel;
}

QPushButton* DefaultButton(QDialog* dialog) {
  for (QPushButton* button : dialog->findChildren<QPushButton*>()) {
    if (button->isDefault() && button->isEnabled()) return button;
  }
  return nullptr;
}

// Clicked once the poll has returned: a box the click opens runs its own event loop, in which
// the poll timer, still inside its callback, would never fire again to answer it. A dialog still
// open after the click (an OK whose operation keeps it open) is answered again.
void ClickLater(QAbstractButton* button, QWidget* answered) {
  QMetaObject::invokeMethod(
      button,
      [target = QPointer<QAbstractButton>(button), modal = QPointer<QWidget>(answered)] {
        if (target) target->click();
        if (modal) modal->setProperty(kAnsweringProperty, false);
      },
      Qt::QueuedConnection);
}
}  // namespace

ModalAnswerer::ModalAnswerer(std::ostream& out) : out(out) {
  connect(&poll, &QTimer::timeout, this, &ModalAnswerer::Poll);
  poll.start(kPollMilliseconds);
  SetFileChooser([this](QWidget*, const FileRequest& request) {
    this->out << "file dialog " << request.caption.toStdString() << " in "
              << request.folder.toStdString() << std::endl;
    Answer answer;
    if (!Take({Kind::File, Kind::Reply}, &answer) || answer.kind != Kind::File) return FileAnswer{};
    return FileAnswer{answer.text, FilterIndexForPath(request.filters, answer.text)};
  });
}

ModalAnswerer::~ModalAnswerer() { SetFileChooser({}); }

bool ModalAnswerer::LeftToSteps(const QWidget* dialog) {
  return dialog && dialog->property(kLeftProperty).toBool();
}

void ModalAnswerer::QueueReply(const QString& reply) { answers.push_back({Kind::Reply, reply}); }

void ModalAnswerer::QueueFile(const QString& path) { answers.push_back({Kind::File, path}); }

void ModalAnswerer::QueueGridSize(int columns, int rows) {
  answers.push_back({Kind::Size, QString(), columns, rows});
}

void ModalAnswerer::QueueColour(const QString& name) { answers.push_back({Kind::Colour, name}); }

bool ModalAnswerer::Take(std::initializer_list<Kind> kinds, Answer* answer) {
  for (auto it = answers.begin(); it != answers.end(); ++it) {
    if (std::find(kinds.begin(), kinds.end(), it->kind) == kinds.end()) continue;
    *answer = *it;
    answers.erase(it);
    return true;
  }
  return false;
}

// Dialogs that close themselves once their job ends: a user only waits for them.
static bool ClosesItself(const QWidget* dialog) {
  const QString kind = dialog->metaObject()->className();
  return kind == "TDlgProgress" || kind == "TSubSetDlg";
}

void ModalAnswerer::Poll() {
  QWidget* modal = QApplication::activeModalWidget();
  if (!modal || modal->property(kAnsweringProperty).toBool() || !modal->isVisible() ||
      ClosesItself(modal) || LeftToSteps(modal)) {
    return;
  }
  modal->setProperty(kAnsweringProperty, true);
  if (auto* box = qobject_cast<QMessageBox*>(modal)) {
    AnswerBox(box);
  } else if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    AnswerDialog(dialog);
  }
}

void ModalAnswerer::AnswerBox(QMessageBox* box) {
  out << "box " << OneLine(box->windowTitle()) << ": " << OneLine(box->text()) << std::endl;
  Answer answer;
  QAbstractButton* button = box->defaultButton();
  if (Take({Kind::Reply}, &answer)) {
    if (QAbstractButton* chosen = box->button(ButtonFor(answer.text))) button = chosen;
  }
  if (button) ClickLater(button, box);
}

void ModalAnswerer::AnswerDialog(QDialog* dialog) {
  if (!dialog->property(kShownProperty).toBool()) {
    dialog->setProperty(kShownProperty, true);
    out << "dialog " << OneLine(dialog->windowTitle()) << std::endl;
  }
  if (leaveToSteps && leaveToSteps()) {
    dialog->setProperty(kLeftProperty, true);
    return;
  }
  Answer answer;
  if (auto* chooser = qobject_cast<QColorDialog*>(dialog)) {
    if (!Take({Kind::Colour, Kind::Reply}, &answer) || answer.kind != Kind::Colour) {
      dialog->reject();
      return;
    }
    chooser->setCurrentColor(QColor(answer.text));
    dialog->accept();
    return;
  }
  if (!Take({Kind::Reply, Kind::Size}, &answer) || answer.text == "cancel" ||
      answer.text == "no") {
    dialog->reject();
    return;
  }
  if (answer.kind == Kind::Size) {
    auto* columns = dialog->findChild<QLineEdit*>("txtCols");
    auto* rows = dialog->findChild<QLineEdit*>("txtRows");
    if (columns) columns->setText(QString::number(answer.columns));
    if (rows) rows->setText(QString::number(answer.rows));
  }
  if (QPushButton* button = DefaultButton(dialog)) {
    ClickLater(button, dialog);
  } else {
    dialog->accept();
  }
}
