#pragma once
// The merge engine's handler for files of sort records: reads one input record by record and
// writes to the output shared by the handlers of one merge step. Its per-record calls are
// inline, for the engine's loop.

#include <cstdint>
#include <string>

#include "lexbuild/SortRecord.h"
#include "lexbuild/SortRecordFiles.h"

class StringHandler {
 public:
  using Output = SortRecordWriter;

  // Opens the input; the first handler of a step (slot still null) creates the step's output,
  // a new or empty file.
  // Then reads the first record. A file that cannot be opened throws SorvaneException.
  StringHandler(const std::string& inputPath, const std::string& outputPath, Output** stepOutput);
  bool HasRecord() const { return record != nullptr; }
  // True only when a whole record was read; a failed read throws SorvaneException.
  bool ReadRecord() {
    record = input.Next();
    if (!record) return false;
    orderKey = RecordOrderKey(record);
    return true;
  }
  // Throws SorvaneException WriteFailureText(path) when the record cannot be stored.
  void WriteRecord() { (*slot)->Write(record); }
  static bool Less(const StringHandler& a, const StringHandler& b) {
    if (a.orderKey != b.orderKey) return a.orderKey < b.orderKey;
    return CompareRecords(a.record, b.record) < 0;
  }
  void Close() { CloseOutput(slot); }
  // Closes the step's output; a failed write or close throws as a failed write does.
  static void CloseOutput(Output** stepOutput);
  static void DiscardOutput(Output** stepOutput) noexcept;

 private:
  Output** slot;
  SortRecordReader input;
  const char* record = nullptr;  // where it lies in the input's block, until the next read
  uint64_t orderKey = 0;         // RecordOrderKey of the record, taken once as it is read
};
