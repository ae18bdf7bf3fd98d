#include "lexbuild/StringHandler.h"

#include <memory>

StringHandler::StringHandler(const std::string& inputPath, const std::string& outputPath,
                             Output** stepOutput)
    : slot(stepOutput), input(inputPath) {
  if (!*slot) *slot = std::make_unique<Output>(outputPath).release();
  ReadRecord();
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
