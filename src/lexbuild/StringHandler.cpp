#include "lexbuild/StringHandler.h"

#include <cstring>
#include <memory>

StringHandler::StringHandler(const std::string& inputPath, const std::string& outputPath,
                             Output** stepOutput)
    : slot(stepOutput), input(inputPath) {
  if (!*slot) *slot = std::make_unique<Output>(outputPath).release();
  ReadRecord();
}

bool StringHandler::ReadRecord() {
  const char* next = input.Next();
  hasRecord = next;
  if (!hasRecord) return false;
  // The key is read where the record lies: read back from the copy just stored, it would wait
  // for the copy's stores to land.
  orderKey = RecordOrderKey(next);
  std::memcpy(record.bytes.data(), next, SORT_RECORD_SIZE);
  return true;
}

void StringHandler::WriteRecord() { (*slot)->Write(record); }

bool StringHandler::Less(const StringHandler& a, const StringHandler& b) {
  if (a.orderKey != b.orderKey) return a.orderKey < b.orderKey;
  return CompareRecords(a.record.bytes.data(), b.record.bytes.data()) < 0;
}

void StringHandler::CloseOutput(Output** stepOutput) {
  std::unique_ptr<Output> output(*stepOutput);
  *stepOutput = nullptr;
  output->Close();
}

void StringHandler::DiscardOutput(Output** stepOutput) noexcept {
  delete *stepOutput;
  *stepOutput = nullptr;
}
