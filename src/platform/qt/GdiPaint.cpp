#include "platform/qt/GdiPaint.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace GdiPaint {

void Rectangle(QPainter& painter, int left, int top, int right, int bottom, const QColor& pen, int penWidth,
               const QColor& brush) {
  const int lastX = right - 1;
  const int lastY = bottom - 1;
  if (lastX < left || lastY < top) return;
  painter.fillRect(QRect(QPoint(left, top), QPoint(lastX, lastY)), brush);
  const int width = std::max(penWidth, 1);
  const int before = width / 2;  // pixels of the pen before the boundary line
  const int spanLeft = left - before;
  const int spanTop = top - before;
  const int spanWidth = lastX - left + width;
  const int spanHeight = lastY - top + width;
  painter.fillRect(spanLeft, spanTop, spanWidth, width, pen);               // top
  painter.fillRect(spanLeft, lastY - before, spanWidth, width, pen);        // bottom
  painter.fillRect(spanLeft, spanTop, width, spanHeight, pen);              // left
  painter.fillRect(lastX - before, spanTop, width, spanHeight, pen);        // right
}

void TextOut(QPainter& painter, int x, int y, const QString& text, const QColor* background) {
  if (text.isEmpty()) return;
  const QFontMetrics metrics = painter.fontMetrics();
  if (background) painter.fillRect(x, y, metrics.horizontalAdvance(text), metrics.height(), *background);
  painter.drawText(QRect(x, y, metrics.horizontalAdvance(text) + metrics.height(), metrics.height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, text);
}

}  // namespace GdiPaint
