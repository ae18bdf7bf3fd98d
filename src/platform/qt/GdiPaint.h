#pragma once
// Rectangles and text placed pixel for pixel as GDI places them, on any
// QPainter: a rectangle from (left, top) to (right, bottom) excludes its right and bottom edge,
// and its outline pen is centred on that boundary (a pen of width w covers w pixels, the odd
// one towards the top-left; width 0 draws 1 pixel).

#include <QColor>
#include <QString>

class QPainter;

namespace GdiPaint {
void Rectangle(QPainter& painter, int left, int top, int right, int bottom, const QColor& pen, int penWidth,
               const QColor& brush);
// Text with its top-left at (x, y) in the painter's font and pen; the text's box is filled with
// the background first when one is given.
void TextOut(QPainter& painter, int x, int y, const QString& text, const QColor* background);
}  // namespace GdiPaint
