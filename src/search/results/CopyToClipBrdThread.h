#pragma once
// Builds the text of the results under a selection of the results grid, one result a line with
// CR LF, row by row and left to right within a row; a selected cell past the last result gives
// an empty line. The selection and the grid's column count are taken when the job is made, on
// the GUI thread; the job only builds the text, and its launcher puts it on the clipboard.

#include <cstdint>
#include <string>

#include "foundation/ProgressThread.h"
#include "search/results/TGridRect.h"

class Results;

class CopyToClipBrdThread : public ProgressThread {
 public:
  // selection: cells counted from 1; columns: the grid's columns of results.
  CopyToClipBrdThread(Results& store, const TGridRect& cells, int32_t gridColumns)
      : results(store), selection(cells), columns(gridColumns) {}

  // The text built (Windows-1252); complete only when the job was not cancelled. Read it after
  // the worker has ended.
  const std::string& Text() const { return text; }

 protected:
  void Execute() override;

 private:
  Results& results;
  const TGridRect selection;
  const int32_t columns;
  std::string text;
};

// Runs the copy under the progress dialog; true, with text filled, when the job was neither
// cancelled nor failed.
bool CopyResultsAsText(Results& results, const TGridRect& selection, int32_t columns,
                       std::string& text);
