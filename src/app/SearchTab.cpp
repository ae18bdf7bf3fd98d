#include "app/SearchTab.h"

SearchTab::SearchTab(QWidget* parent, const SearchOptions& initialOptions)
    : QWidget(parent), options(initialOptions) {
  setAutoFillBackground(true);
  setBackgroundRole(QPalette::Base);
}
