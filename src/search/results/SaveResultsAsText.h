#pragma once
// Exports stored results as a text file: a short report of the search criteria, then one result
// a line, in the order the reader sees them, all in UTF-8 with CR LF line ends. Every write and
// the close are checked: a failure ends the job with -1. A cancelled export keeps the lines
// written so far.

#include <string>

#include "foundation/ProgressThread.h"
#include "search/results/ResultsHeader.h"

class Results;

class SaveResultsAsText : public ProgressThread {
 public:
  SaveResultsAsText(const std::string& path, Results& store) : fileName(path), results(store) {}

 protected:
  void Execute() override;

 private:
  std::string fileName;
  Results& results;
};

// The report that heads an export, from the header of the results (texts in UTF-8).
std::string ResultsReport(const ResultsHeader& header);
