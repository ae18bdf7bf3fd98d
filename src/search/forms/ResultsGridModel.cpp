#include "search/forms/ResultsGridModel.h"

#include <algorithm>

#include "platform/qt/QtText.h"
#include "search/results/Results.h"

void ResultsGridModel::SetResults(Results* results, int32_t columns) {
  beginResetModel();
  results_ = results;
  columns_ = std::max(columns, int32_t{1});
  count_ = results ? results->Count() : 0;
  endResetModel();
}

void ResultsGridModel::Refresh() {
  const uint32_t now = results_ ? results_->Count() : 0;
  if (now == count_) return;
  if (now < count_) {
    SetResults(results_, columns_);
    return;
  }
  const int oldRows = RowsFor(count_);
  const int newRows = RowsFor(now);
  if (newRows > oldRows) {
    beginInsertRows({}, oldRows, newRows - 1);
    count_ = now;
    endInsertRows();
  } else {
    count_ = now;
  }
  // The row that was the last may have been only partly filled.
  if (oldRows > 0) emit dataChanged(index(oldRows - 1, 0), index(oldRows - 1, columns_ - 1));
}

int ResultsGridModel::RowsFor(uint32_t count) const {
  return static_cast<int>((int64_t{count} + columns_ - 1) / columns_);
}

int ResultsGridModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : RowsFor(count_);
}

int ResultsGridModel::columnCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : columns_;
}

QVariant ResultsGridModel::data(const QModelIndex& index, int role) const {
  if (role != Qt::DisplayRole || !results_ || !index.isValid()) return {};
  const int64_t result = ResultIndex(index.row(), index.column());
  // Cells past the last result are empty.
  if (result >= count_) return QString();
  return Cp1252::ToQString(results_->GetResult(static_cast<uint32_t>(result)));
}

QVariant ResultsGridModel::headerData(int /*section*/, Qt::Orientation /*orientation*/,
                                      int /*role*/) const {
  return {};
}
