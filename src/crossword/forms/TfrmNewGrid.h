#pragma once
// The small modal "New Grid" dialog: the number of columns and rows of a new grid, or of the
// grid about to be reset, with a red warning above the fields for a reset. The caller sets
// columns and rows, runs exec(), and on a result of 1 reads them back (each may be 0; the
// caller raises sizes to at least 1 before CrossWordGrid::SetGridSize).

#include <QDialog>
#include <cstdint>

class QLabel;
class QLineEdit;
class QPushButton;

class TfrmNewGrid : public QDialog {
  Q_OBJECT

 public:
  TfrmNewGrid(QWidget* owner, bool resetWarning);

  QLineEdit* txtCols = nullptr;
  QLineEdit* txtRows = nullptr;
  QLabel* lblWarning = nullptr;
  int32_t columns = 0;
  int32_t rows = 0;
  uint8_t resetWarning = 0;

 protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void FormCreate();
  void FormShow();
  void cmdCreateGridClick();

  QLabel* lblCols = nullptr;
  QLabel* lblRows = nullptr;
  QPushButton* cmdCreateGrid = nullptr;
};
