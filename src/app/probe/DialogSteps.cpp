#include "app/probe/DialogSteps.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QTabWidget>
#include <QTest>

#include "app/probe/KeyboardText.h"

namespace DialogSteps {

namespace {

bool Fail(QString* error, const QString& reason) {
  *error = reason;
  return false;
}

// A caption as drawn: a lone "&" marks the shortcut letter and is not drawn; "&&" draws one.
QString Caption(const QString& text) {
  QString drawn;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && ++i == text.size()) break;
    drawn += text[i];
  }
  return drawn;
}

// The named control of the front dialog, showing (on the page in front), of the type asked.
template <typename Control>
Control* Find(const QString& name, QString* error) {
  QDialog* dialog = FrontDialog();
  if (!dialog) return Fail(error, "no dialog in front"), nullptr;
  auto* control = dialog->findChild<Control*>(name);
  if (!control) return Fail(error, "no such control " + name), nullptr;
  if (!control->isVisible()) return Fail(error, name + " is not showing"), nullptr;
  return control;
}

// A list item showing a check box: one given a check state (every item may be ticked by
// default, but shows no box without one).
bool HasCheckBox(const QListWidgetItem* item) { return item->data(Qt::CheckStateRole).isValid(); }

// Named controls a user reads; Qt's own parts (a combo's edit, a tab bar) have no names or
// names of Qt's.
bool UserControl(const QWidget* widget) {
  const QString name = widget->objectName();
  return !name.isEmpty() && !name.startsWith("qt_") && widget->isVisible();
}

std::string ListText(const QListWidget* list) {
  QStringList items;
  for (int row = 0; row < list->count(); ++row) {
    const QListWidgetItem* item = list->item(row);
    QString text = item->text();
    if (HasCheckBox(item)) {
      text = (item->checkState() == Qt::Checked ? "[x] " : "[ ] ") + text;
    } else if (item->isSelected()) {
      text = "*" + text;
    }
    items << text;
  }
  return items.join(" | ").toStdString();
}

std::string ComboText(const QComboBox* combo) {
  QStringList items;
  for (int i = 0; i < combo->count(); ++i) items << combo->itemText(i);
  return (combo->currentText() + " [" + items.join(" | ") + "]").toStdString();
}

}  // namespace

bool ActsOnDialog(const QString& name, const QString& firstArgument) {
  return name.startsWith("dialog-") || (name == "print" && firstArgument == "dialog");
}

QDialog* FrontDialog() {
  QWidget* modal = QApplication::activeModalWidget();
  if (qobject_cast<QMessageBox*>(modal)) return nullptr;
  return qobject_cast<QDialog*>(modal);
}

bool ShowTab(const QString& number, QString* error) {
  QDialog* dialog = FrontDialog();
  if (!dialog) return Fail(error, "no dialog in front");
  auto* pages = dialog->findChild<QTabWidget*>();
  bool ok = false;
  const int page = number.toInt(&ok);
  if (!pages || !ok || page < 1 || page > pages->count()) return Fail(error, "no page " + number);
  pages->setCurrentIndex(page - 1);
  return true;
}

bool Type(const QString& control, const QString& text, QString* error) {
  QWidget* found = Find<QWidget>(control, error);
  if (!found) return false;
  auto* edit = qobject_cast<QLineEdit*>(found);
  if (auto* combo = qobject_cast<QComboBox*>(found)) edit = combo->lineEdit();  // when editable
  if (!edit) return Fail(error, control + " takes no typing");
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_Delete);
  TypeText(edit, text);
  return true;
}

bool Tick(const QString& control, const QString& state, QString* error) {
  if (state != "on" && state != "off") return Fail(error, "dialog-tick needs on or off");
  auto* box = Find<QCheckBox>(control, error);
  if (!box) return false;
  // On the tick mark, as the main window's options are ticked; a box that opens a dialog
  // returns once that dialog has closed.
  const QPoint mark(6, box->height() / 2);
  if (box->isChecked() != (state == "on")) QTest::mouseClick(box, Qt::LeftButton, {}, mark);
  return true;
}

bool Pick(const QString& control, const QString& text, QString* error) {
  QWidget* found = Find<QWidget>(control, error);
  if (!found) return false;
  if (auto* combo = qobject_cast<QComboBox*>(found)) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0) return Fail(error, control + " has no item " + text);
    combo->setCurrentIndex(index);
    return true;
  }
  auto* list = qobject_cast<QListWidget*>(found);
  if (!list) return Fail(error, control + " has no items to pick");
  const QList<QListWidgetItem*> items =
      list->findItems(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
  if (items.isEmpty()) return Fail(error, control + " has no item " + text);
  QListWidgetItem* item = items.front();
  list->scrollToItem(item);
  list->setFocus();
  if (HasCheckBox(item)) {
    // The space bar on the current item turns its tick, as a click on the box would.
    list->setCurrentItem(item);
    QTest::keyClick(list, Qt::Key_Space);
  } else {
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(item).center());
  }
  return true;
}

bool Click(const QString& control, std::ostream& out, QString* error) {
  auto* button = Find<QAbstractButton>(control, error);
  if (!button) return false;
  if (!button->isEnabled()) {
    out << "disabled " << control.toStdString() << std::endl;
    return true;
  }
  // Returns once whatever the click opened has closed.
  button->click();
  return true;
}

bool Print(std::ostream& out, QString* error) {
  QDialog* dialog = FrontDialog();
  if (!dialog) return Fail(error, "no dialog in front");
  out << "dialog " << dialog->windowTitle().toStdString() << std::endl;
  for (QWidget* widget : dialog->findChildren<QWidget*>()) {
    if (!UserControl(widget)) continue;
    const std::string name = widget->objectName().toStdString();
    if (auto* pages = qobject_cast<QTabWidget*>(widget)) {
      out << "  " << name << ": " << Caption(pages->tabText(pages->currentIndex())).toStdString()
          << std::endl;
    } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
      out << "  " << name << ": " << edit->text().toStdString() << std::endl;
    } else if (auto* box = qobject_cast<QCheckBox*>(widget)) {
      out << "  " << name << ": " << (box->isChecked() ? "[x] " : "[ ] ")
          << Caption(box->text()).toStdString() << std::endl;
    } else if (auto* combo = qobject_cast<QComboBox*>(widget)) {
      out << "  " << name << ": " << ComboText(combo) << std::endl;
    } else if (auto* list = qobject_cast<QListWidget*>(widget)) {
      out << "  " << name << ": " << ListText(list) << std::endl;
    }
  }
  return true;
}

}  // namespace DialogSteps
