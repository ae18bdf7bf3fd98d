#include "lexbuild/StringHandler.h"

#include <memory>

StringHandler::StringHandler(const std::string& inputPath, const std::string& outputPath,
                             Output** stepOutput)
    : slot(stepOutput), input(inputPath) {
  if (!*slot) *slot = std::make_unique<Output>(outputPath).release();
  ReadRecord();
}

bool StringHandler::ReadRecord() {
  record = input.Next();
  if (!record) return false;
  orderKey = RecordOrderKey(record);
  return true;
}

void StringHandler::WriteRecord() { (*slot)->Write(record); }

bool StringHandler::Less(const StringHandler& a, const StringHandler& b) {
  if (a.orderKey != b.orderKey) return a.orderKey < b.orderKey;
  return CompareRecords(a.record, b.record) < 0;
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
