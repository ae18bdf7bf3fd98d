#include "crossword/forms/GridCursors.h"

#include <QPainter>
#include <QPixmap>
#include <array>

#include "crossword/GridEditor.h"

namespace {

constexpr int kSize = 32;
constexpr int kHot = 16;

// A small cell centred on the hot spot, with the bars the next bar action gives it.
void DrawCell(QPainter& painter, bool blank, bool leftBar, bool topBar) {
  const QRect cell(kHot - 6, kHot - 6, 13, 13);
  painter.fillRect(cell.adjusted(-1, -1, 1, 1), Qt::white);
  painter.fillRect(cell, blank ? Qt::black : Qt::white);
  painter.setPen(Qt::black);
  painter.drawRect(cell);
  if (leftBar) painter.fillRect(cell.left() - 1, cell.top() - 1, 4, cell.height() + 2, Qt::black);
  if (topBar) painter.fillRect(cell.left() - 1, cell.top() - 1, cell.width() + 2, 4, Qt::black);
}

// An arrow from the hot spot towards the typing direction.
void DrawArrow(QPainter& painter, bool across) {
  painter.setRenderHint(QPainter::Antialiasing);
  QPolygon arrow;
  if (across) arrow << QPoint(kHot, kHot - 4) << QPoint(kHot + 9, kHot - 4) << QPoint(kHot + 9, kHot - 8)
                    << QPoint(kHot + 15, kHot) << QPoint(kHot + 9, kHot + 8) << QPoint(kHot + 9, kHot + 4)
                    << QPoint(kHot, kHot + 4);
  else arrow << QPoint(kHot - 4, kHot) << QPoint(kHot - 4, kHot + 9) << QPoint(kHot - 8, kHot + 9)
             << QPoint(kHot, kHot + 15) << QPoint(kHot + 8, kHot + 9) << QPoint(kHot + 4, kHot + 9)
             << QPoint(kHot + 4, kHot);
  painter.setPen(QPen(Qt::white, 2));
  painter.setBrush(Qt::black);
  painter.drawPolygon(arrow);
  painter.fillRect(kHot - 1, kHot - 1, 3, 3, Qt::black);
}

QCursor MakeCursor(uint8_t number) {
  QPixmap pixmap(kSize, kSize);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  switch (number) {
    case GridEditor::BlankCursor: DrawCell(painter, true, false, false); break;
    case GridEditor::NoBarsCursor: DrawCell(painter, false, false, false); break;
    case GridEditor::VBarCursor: DrawCell(painter, false, true, false); break;
    case GridEditor::BothBarsCursor: DrawCell(painter, false, true, true); break;
    case GridEditor::HBarCursor: DrawCell(painter, false, false, true); break;
    case GridEditor::DownCursor: DrawArrow(painter, false); break;
    default: DrawArrow(painter, true); break;
  }
  painter.end();
  return QCursor(pixmap, kHot, kHot);
}

}  // namespace

const QCursor& GridCursor(uint8_t number) {
  static const std::array<QCursor, 8> cursors = [] {
    std::array<QCursor, 8> made;
    for (uint8_t n = 1; n < 8; ++n) made[n] = MakeCursor(n);
    return made;
  }();
  return cursors[number < 8 ? number : uint8_t{GridEditor::AcrossCursor}];
}
