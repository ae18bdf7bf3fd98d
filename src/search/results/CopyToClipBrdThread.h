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

// The most text a copy puts on the clipboard. Besides the text, the clipboard holds it as wide
// characters, and whoever pastes it makes copies of their own: a larger selection is refused
// before the copy starts, and Export Results writes it to a file instead.
constexpr uint64_t kMostCopiedBytes = uint64_t{256} << 20;

class CopyToClipBrdThread : public ProgressThread {
 public:
  // selection: cells counted from 1; columns: the grid's columns of results. expectedBytes: room
  // for the text made at once, so that it never grows by copies of itself.
  CopyToClipBrdThread(Results& store, const TGridRect& cells, int32_t gridColumns,
                      uint64_t expectedBytes = 0)
      : results(store), selection(cells), columns(gridColumns), expected(expectedBytes) {}

  // The text built (Windows-1252), handed over; complete only when the job was not cancelled.
  // Take it after the worker has ended.
  std::string TakeText() { return std::move(text); }

 protected:
  void Execute() override;

 private:
  Results& results;
  const TGridRect selection;
  const int32_t columns;
  const uint64_t expected;
  std::string text;
};

// Runs the copy under the progress dialog; true, with text filled, when the job was neither
// cancelled nor failed. A selection whose text would pass mostBytes is refused with a box
// saying how many results it holds, and no job runs.
bool CopyResultsAsText(Results& results, const TGridRect& selection, int32_t columns,
                       std::string& text, uint64_t mostBytes = kMostCopiedBytes);
