#pragma once
// Exports stored results as a text file: a short report of the search criteria, then one result
// a line, in the order the reader sees them, all in UTF-8 with CR LF line ends. The text is
// written beside the target and moved over it only once whole: every write and the close are
// checked, a failure ends the job with -1, and a failed or cancelled export leaves what was at
// the path as it was. A path that is not a regular file is refused.

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
