#include "crossword/forms/TfrmNewGrid.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>

#include "crossword/CrosswordTextIds.h"
#include "crossword/NewGridEntry.h"
#include "foundation/MenuMetrics.h"
#include "foundation/ResStrings.h"
#include "foundation/forms/CopyFontSettings.h"
#include "platform/Host.h"
#include "platform/qt/QtText.h"

namespace {

constexpr int kClientWidth = 249;
constexpr int kClientHeight = 55;
constexpr int kMargin = 8;
constexpr int kFieldTop = 16;

}  // namespace

TfrmNewGrid::TfrmNewGrid(QWidget* owner, bool reset)
    : QDialog(owner, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                         Qt::WindowCloseButtonHint),
      resetWarning(reset ? 1 : 0) {
  setWindowTitle("New Grid");
  lblCols = new QLabel("&Columns", this);
  txtCols = new QLineEdit(this);
  lblRows = new QLabel("&Rows", this);
  txtRows = new QLineEdit(this);
  cmdCreateGrid = new QPushButton("&OK", this);
  lblWarning = new QLabel(this);
  txtCols->setObjectName("txtCols");
  txtRows->setObjectName("txtRows");
  lblWarning->setObjectName("lblWarning");
  cmdCreateGrid->setObjectName("cmdCreateGrid");
  lblCols->setBuddy(txtCols);
  lblRows->setBuddy(txtRows);
  cmdCreateGrid->setDefault(true);
  for (QLineEdit* field : {txtCols, txtRows}) {
    field->setMaxLength(3);
    field->installEventFilter(this);
  }
  connect(cmdCreateGrid, &QPushButton::clicked, this, &TfrmNewGrid::cmdCreateGridClick);
  FormCreate();
}

void TfrmNewGrid::FormCreate() {
  CopyFontSettings(this);
  // One row: label, field, label, field, then the button on the right; never narrower than the
  // style needs.
  QWidget* const row[] = {lblCols, txtCols, lblRows, txtRows};
  const int fieldWidth = std::max(fontMetrics().horizontalAdvance("8888") + 12, txtCols->minimumSizeHint().width());
  int x = kMargin;
  for (QWidget* control : row) {
    const int controlWidth = qobject_cast<QLineEdit*>(control) ? fieldWidth : control->sizeHint().width();
    control->setGeometry(x, kFieldTop, controlWidth, txtCols->sizeHint().height());
    x += controlWidth + (qobject_cast<QLineEdit*>(control) ? 12 : 4);
  }
  const QSize button = cmdCreateGrid->sizeHint();
  const int clientWidth = std::max(kClientWidth, x + button.width() + kMargin);
  const int clientHeight = std::max(kClientHeight, kFieldTop + button.height() + kMargin);
  cmdCreateGrid->setGeometry(clientWidth - kMargin - button.width(), kFieldTop - 2, button.width(), button.height());
  setFixedSize(clientWidth, clientHeight);
  lblWarning->hide();
  if (!resetWarning) return;

  lblWarning->setText(QString::fromUtf8(LoadResString(kResetGridWarningText)));
  lblWarning->setAlignment(Qt::AlignCenter);
  lblWarning->setWordWrap(true);
  lblWarning->setAutoFillBackground(true);
  QPalette colours = lblWarning->palette();
  colours.setColor(QPalette::Window, Qt::red);
  colours.setColor(QPalette::WindowText, Qt::white);
  lblWarning->setPalette(colours);
  const int labelWidth = clientWidth * 9 / 10;
  const int labelHeight = 5 * std::abs(MenuMetrics::FontHeightFromPoints(font().pointSize(), logicalDpiY()));
  lblWarning->setGeometry((clientWidth - labelWidth) / 2, 4, labelWidth, labelHeight);
  // The fields and the button keep their distance from the bottom edge as the form grows.
  for (QWidget* control : {row[0], row[1], row[2], row[3], static_cast<QWidget*>(cmdCreateGrid)})
    control->move(control->x(), control->y() + labelHeight);
  setFixedSize(clientWidth, clientHeight + labelHeight);
  lblWarning->show();
}

void TfrmNewGrid::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  FormShow();
}

void TfrmNewGrid::FormShow() {
  txtCols->setText(QString::number(columns));
  txtRows->setText(QString::number(rows));
}

bool TfrmNewGrid::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QDialog::eventFilter(watched, event);
  const QString text = static_cast<QKeyEvent*>(event)->text();
  // Keys without a printable character (moves, shortcuts such as paste) go on as usual.
  if (text.isEmpty() || text[0].isNonCharacter() || text[0].unicode() < 0x20) return false;
  if (NewGridKeyPasses(text[0].unicode())) return false;
  Host::Current().Beep();
  return true;
}

void TfrmNewGrid::cmdCreateGridClick() {
  if (ReadNewGridSizes(Cp1252::FromQString(txtCols->text()), Cp1252::FromQString(txtRows->text()), columns, rows))
    done(1);
}
