#pragma once
// One search tab of the main window: the criteria it searches for and the place where its
// results are shown.

#include <QWidget>

#include "app/SearchFieldsPanel.h"

class SearchTab : public QWidget {
  Q_OBJECT
 public:
  SearchTab(QWidget* parent, const SearchOptions& options);

  // What the window's fields showed when this tab was last left or searched.
  SearchFields texts;
  SearchOptions options;
};
