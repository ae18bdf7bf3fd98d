#include "app/probe/WindowView.h"

#include <QAction>
#include <QEvent>
#include <QLabel>
#include <QTabWidget>

#include "app/GridPage.h"
#include "app/SearchTab.h"
#include "app/TfrmMain.h"
#include "crossword/forms/CrossWordGrid.h"
#include "platform/ProcessClock.h"
#include "platform/qt/QtText.h"
#include "search/forms/TtsBaseGrid.h"

namespace {
QWidget* PageInFront(const TfrmMain& window, const char* tabsName) {
  return window.findChild<QTabWidget*>(tabsName)->currentWidget();
}
}  // namespace

QAction* FindAction(const TfrmMain& window, const char* name) {
  return window.findChild<QAction*>(name);
}

SearchFieldsPanel* FieldsPanel(const TfrmMain& window) {
  return window.findChild<SearchFieldsPanel*>();
}

SearchTab* ActiveSearchTab(const TfrmMain& window) {
  return qobject_cast<SearchTab*>(PageInFront(window, "tabSearchControl"));
}

int SearchTabCount(const TfrmMain& window) {
  return window.findChild<QTabWidget*>("tabSearchControl")->count();
}

QString StatusText(const TfrmMain& window) {
  return window.findChild<QLabel*>("lblStatus")->text();
}

bool ActiveSearchShown(const TfrmMain& window) {
  const SearchTab* tab = ActiveSearchTab(window);
  return !tab || (!tab->search.Searching() && tab->search.ResultsShown());
}

QList<QStringList> ResultCells(const TfrmMain& window) {
  QList<QStringList> rows;
  const SearchTab* tab = ActiveSearchTab(window);
  if (!tab) return rows;
  const TtsBaseGrid& grid = *tab->grid;
  for (int64_t row = 0; row < grid.RowCount(); ++row) {
    QStringList cells;
    for (int32_t column = 0; column < grid.GetGridColCount(); ++column) {
      cells << grid.CellText(row, column);
    }
    rows << cells;
  }
  return rows;
}

bool SelectResultCells(const TfrmMain& window, int left, int top, int right, int bottom) {
  SearchTab* tab = ActiveSearchTab(window);
  return tab && tab->grid->Select({left, top, right, bottom});
}

CrossWordGrid* ActiveGridControl(const TfrmMain& window) {
  auto* page = qobject_cast<GridPage*>(PageInFront(window, "pgeGrids"));
  return page ? page->grid : nullptr;
}

QStringList GridRows(const TfrmMain& window) {
  QStringList rows;
  const CrossWordGrid* grid = ActiveGridControl(window);
  if (!grid) return rows;
  const GridData& data = grid->Grid();
  for (int32_t row = 0; row < data.Rows(); ++row) {
    std::string line;
    for (int32_t column = 0; column < data.Cols(); ++column) {
      const CellData& cell = data.Cell(column, row);
      line += cell.blank ? '#' : cell.Letter() ? cell.Letter() : '.';
    }
    rows << Cp1252::ToQString(line);
  }
  return rows;
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Paint && firstPaintMs < 0) {
    firstPaintMs = MillisecondsSinceProcessStart();
  }
  return QObject::eventFilter(watched, event);
}
