// Painting the grid: cells in their colours, letters, bars, the current cell's frame and clue
// numbers, placed as integer arithmetic says (GridGeometry), on the screen or into an image.

#include <QPainter>
#include <QPaintEvent>

#include "crossword/forms/CrossWordGrid.h"
#include "platform/qt/ColorRef.h"
#include "platform/qt/GdiPaint.h"
#include "platform/qt/QtText.h"

uint32_t CrossWordGrid::getCellColour(int32_t col, int32_t row) const {
  const CellData& cell = Grid().Cell(col, row);
  if (cell.selected) return selectedCellColour;
  if (cell.inCurrentWord) return currentWordColour;
  return cell.blank ? blankColour : cell.colour;
}

void CrossWordGrid::DrawBar(QPainter& painter, const PixelRect& bar) {
  const QColor colour = ColorRef::ToQColor(barColour);
  GdiPaint::Rectangle(painter, bar.left + 1, bar.top + 1, bar.right, bar.bottom, colour, lineWidth, colour);
}

void CrossWordGrid::PaintGrid(QPainter& painter, bool showCurrentCell, const QRect& area) {
  const GridData& grid = Grid();
  const GridGeometry& g = gridGeometry;
  const int32_t halfWidth = g.cellWidth / 2;
  const QColor line = ColorRef::ToQColor(lineColour);
  // The cells whose outline or bars reach into the area; painting the others changes nothing
  // there, since a cell never paints beyond its neighbours.
  int32_t firstCol = 0, lastCol = grid.Cols() - 1, firstRow = 0, lastRow = grid.Rows() - 1;
  if (!area.isNull()) {
    const CellPos from = g.CellAt(area.left(), area.top(), grid.Cols(), grid.Rows());
    const CellPos to = g.CellAt(area.right(), area.bottom(), grid.Cols(), grid.Rows());
    firstCol = std::max(from.col - 1, 0), firstRow = std::max(from.row - 1, 0);
    lastCol = std::min(to.col + 1, lastCol), lastRow = std::min(to.row + 1, lastRow);
  }
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::black);
  painter.setFont(letterFont);
  const QFontMetrics letterMetrics(letterFont, painter.device());
  for (int32_t r = firstRow; r <= lastRow; ++r) {
    for (int32_t c = firstCol; c <= lastCol; ++c) {
      const CellPos pos{c, r};
      const CellData& cell = grid.Cell(c, r);
      const PixelRect outline = g.Outline(pos);
      const QColor fill = ColorRef::ToQColor(getCellColour(c, r));
      GdiPaint::Rectangle(painter, outline.left, outline.top, outline.right, outline.bottom, line, lineWidth, fill);
      const QString letter = Cp1252::ToQString(cell.LetterText());
      GdiPaint::TextOut(painter, g.InsideLeft(pos) + halfWidth - letterMetrics.horizontalAdvance(letter) / 2,
                        g.InsideTop(pos) + g.cellHeight - letterMetrics.height(), letter, &fill);
      if (cell.vbar) DrawBar(painter, g.VBar(pos));
      if (cell.hbar) DrawBar(painter, g.HBar(pos));
    }
  }

  if (showCurrentCell && hasFocus()) {
    const CellPos pos = grid.current;
    const PixelRect frame = g.CurrentCellFrame(pos);
    GdiPaint::Rectangle(painter, frame.left, frame.top, frame.right, frame.bottom,
                        ColorRef::ToQColor(currentCellColour), 2,
                        ColorRef::ToQColor(getCellColour(pos.col, pos.row)));
    const QString letter = Cp1252::ToQString(grid.Cell(pos.col, pos.row).LetterText());
    GdiPaint::TextOut(painter, g.InsideLeft(pos) + halfWidth - letterMetrics.horizontalAdvance(letter) / 2,
                      g.InsideTop(pos) + g.cellHeight - letterMetrics.height() - 4, letter, nullptr);
  }

  if (!showIndexes) return;
  painter.setFont(indexFont);
  for (int32_t r = firstRow; r <= lastRow; ++r)
    for (int32_t c = firstCol; c <= lastCol; ++c)
      if (const int32_t number = grid.Cell(c, r).number)
        GdiPaint::TextOut(painter, g.InsideLeft({c, r}) + 1, g.InsideTop({c, r}), QString::number(number), nullptr);
}

void CrossWordGrid::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  PaintGrid(painter, true, event->rect());
}

QImage CrossWordGrid::GetGridAsBitmap() {
  const uint8_t mode = editor.Mode();
  // Blank mode shows no current word.
  editor.SetGridMode(GridEditor::BlankMode);
  // One picture holds at most 2 GB, as a bitmap's own size field allows.
  constexpr int64_t kMostBytes = 0x7FFFFFFF;
  QImage image;
  if (int64_t{width()} * height() * 4 <= kMostBytes) image = QImage(width(), height(), QImage::Format_RGB32);
  if (!image.isNull()) {
    // The letters take the size they have on the screen.
    image.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    image.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    image.fill(palette().color(backgroundRole()));
    QPainter painter(&image);
    PaintGrid(painter, false);
  }
  editor.SetGridMode(mode);
  return image;
}
