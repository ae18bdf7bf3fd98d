#include "search/forms/ResultsGridModel.h"

#include <algorithm>

#include "platform/qt/QtText.h"
#include "search/results/Results.h"

void ResultsGridModel::SetResults(Results* results, int32_t columnCount) {
  beginResetModel();
  store = results;
  columns = std::max(columnCount, int32_t{1});
  shownCount = results ? results->Count() : 0;
  endResetModel();
}

void ResultsGridModel::Refresh() {
  const uint32_t now = store ? store->Count() : 0;
  if (now == shownCount) return;
  if (now < shownCount) {
    SetResults(store, columns);
    return;
  }
  const int oldRows = RowsFor(shownCount);
  const int newRows = RowsFor(now);
  if (newRows > oldRows) {
    beginInsertRows({}, oldRows, newRows - 1);
    shownCount = now;
    endInsertRows();
  } else {
    shownCount = now;
  }
  // The row that was the last may have been only partly filled.
  if (oldRows > 0) emit dataChanged(index(oldRows - 1, 0), index(oldRows - 1, columns - 1));
}

int ResultsGridModel::RowsFor(uint32_t resultCount) const {
  return static_cast<int>((int64_t{resultCount} + columns - 1) / columns);
}

int ResultsGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowsFor(shownCount);
}

int ResultsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns;
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !store || !index.isValid()) return {};
  const int64_t result = ResultIndex(index.row(), index.column());
  // Cells past the last result are empty.
  if (result >= shownCount) return QString();
  return Cp1252::ToQString(store->GetResult(static_cast<uint32_t>(result)));
}

QVariant ResultsGridModel::headerData(int /*section*/, Qt::Orientation /*orientation*/,
                                      int /*role*/) const {
  return {};
}
