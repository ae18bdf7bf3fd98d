#pragma once
// The merge engine's handler for files of sort records: reads one input record by record and
// writes to the output shared by the handlers of one merge step.

#include <string>

#include "foundation/File.h"
#include "lexbuild/SortRecord.h"

class StringHandler {
 public:
  using Output = File;

  // Opens the input; the first handler of a step (slot still null) creates the step's output,
  // a new or empty file.
  // Then reads the first record. A file that cannot be opened throws SorvaneException.
  StringHandler(const std::string& inputPath, const std::string& outputPath, Output** stepOutput);
  bool HasRecord() const { return hasRecord; }
  // True only when a whole record was read.
  bool ReadRecord();
  // Throws SorvaneException "Unable to Write File " + path when the record is not stored whole.
  void WriteRecord();
  static bool Less(const StringHandler& a, const StringHandler& b);
  void Close() { CloseOutput(slot); }
  // Closes the step's output; a failed flush or close throws as a failed write does.
  static void CloseOutput(Output** stepOutput);
  static void DiscardOutput(Output** stepOutput) noexcept;

  static constexpr int32_t kBufferSize = 16384;

 private:
  Output** slot;
  File input;
  SortRecord record;
  bool hasRecord = false;
};
