#include "app/probe/ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QColorDialog>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "app/FileChooser.h"

namespace {
constexpr int kPollMilliseconds = 5;
constexpr const char* kAnsweredProperty = "probeAnswered";

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
  if (!modal || modal->property(kAnsweredProperty).toBool() || !modal->isVisible() ||
      ClosesItself(modal)) {
    return;
  }
  modal->setProperty(kAnsweredProperty, true);
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
  if (button) button->click();
}

void ModalAnswerer::AnswerDialog(QDialog* dialog) {
  out << "dialog " << OneLine(dialog->windowTitle()) << std::endl;
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
    button->click();
  } else {
    dialog->accept();
  }
}
