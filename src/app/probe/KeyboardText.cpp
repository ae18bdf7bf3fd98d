#include "app/probe/KeyboardText.h"

#include <QString>
#include <QTest>

void TypeText(QWidget* widget, const QString& text) {
  for (const char32_t codePoint : text.toUcs4()) {
    const QString character = QString::fromUcs4(&codePoint, 1);
    if (codePoint < 0x80) {
      QTest::keyClick(widget, char(codePoint));
    } else {
      QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, character, Qt::NoModifier);
    }
  }
}
