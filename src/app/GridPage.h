#pragma once
// One grid page of the main window: a scroll box filling the page, and the crossword grid in
// it, which the scroll box keeps the current cell of in view.

#include <QScrollArea>

class CrossWordGrid;

class GridPage : public QScrollArea {
  Q_OBJECT
 public:
  GridPage(QWidget* parent, int columns, int rows);

  CrossWordGrid* grid = nullptr;
};
