#include "lexbuild/StringHandler.h"

#include <cstdio>
#include <memory>

#include "foundation/SorvaneException.h"

StringHandler::StringHandler(const std::string& inputPath, const std::string& outputPath,
                             Output** stepOutput)
    : slot(stepOutput) {
  input.Open(inputPath, "rb", kBufferSize);
  if (!*slot) {
    auto output = std::make_unique<File>();
    // The step's file is new: appending rather than truncating it spares a forced write to
    // disk at its close.
    output->Open(outputPath, "ab", kBufferSize);
    *slot = output.release();
  }
  ReadRecord();
}

bool StringHandler::ReadRecord() {
  hasRecord = fread_unlocked(record.bytes.data(), 1, SORT_RECORD_SIZE, input.handle) ==
              SORT_RECORD_SIZE;
  return hasRecord;
}

void StringHandler::WriteRecord() {
  File& output = **slot;
  // Each stream is used by one thread at a time: its own lock is only cost.
  if (fwrite_unlocked(record.bytes.data(), 1, SORT_RECORD_SIZE, output.handle) != SORT_RECORD_SIZE)
    throw SorvaneException("Unable to Write File " + output.name);
}

bool StringHandler::Less(const StringHandler& a, const StringHandler& b) {
  return CompareRecords(a.record.bytes.data(), b.record.bytes.data()) < 0;
}

void StringHandler::CloseOutput(Output** stepOutput) {
  std::unique_ptr<File> output(*stepOutput);
  *stepOutput = nullptr;
  if (!output->CloseChecked()) throw SorvaneException("Unable to Write File " + output->name);
}

void StringHandler::DiscardOutput(Output** stepOutput) noexcept {
  delete *stepOutput;
  *stepOutput = nullptr;
}
