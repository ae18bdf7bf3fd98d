#include "app/GridPage.h"

#include <QPoint>

#include "crossword/forms/CrossWordGrid.h"

GridPage::GridPage(QWidget* parent, int columns, int rows) : QScrollArea(parent) {
  setBackgroundRole(QPalette::Base);
  grid = new CrossWordGrid;
  grid->setObjectName("grdCrossWord");
  setWidget(grid);
  grid->SetGridSize(QPoint(columns, rows));
}
