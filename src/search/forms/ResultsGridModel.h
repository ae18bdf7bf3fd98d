#pragma once
// The cells of the results grid, read from a results store on demand: cell (row, column) of
// the data area holds result row x columns + column, and only the cells a view draws are read,
// each through the store's locked calls, so a store of millions of results costs the grid no
// memory of its own.

#include <QAbstractTableModel>
#include <cstdint>

class Results;

class ResultsGridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  using QAbstractTableModel::QAbstractTableModel;

  // Shows the store's results in that many columns (at least 1); null shows nothing.
  void SetResults(Results* results, int32_t columnCount);
  // Follows the store's count: rows are added for results found since, or the cells start
  // afresh when it has fewer.
  void Refresh();

  Results* Store() const { return store; }
  int32_t Columns() const { return columns; }
  // The result a cell holds; may be past the last result.
  int64_t ResultIndex(int row, int column) const { return int64_t{row} * columns + column; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role) const override;
  // The fixed row and column carry no titles.
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

 private:
  int RowsFor(uint32_t resultCount) const;

  Results* store = nullptr;
  int32_t columns = 1;
  // The count the rows were made for: a store still filling must not change the rows under a
  // paint.
  uint32_t shownCount = 0;
};
