#pragma once
// The merge engine's handler for compiled lexicons: reads a source word by word in stored order
// and writes through the lexicon writer, which stores a word repeated across sources once. A
// source that is no lexicon, or whose words cannot all be read, throws SorvaneException
// (Dictionary::CheckReadWhole): the merge then writes nothing.

#include <memory>
#include <string>

#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/Dictionary.h"

class DictionaryMergeHandler {
 public:
  using Output = CompressDictionary;

  DictionaryMergeHandler(const std::string& inputPath, const std::string& outputPath,
                         Output** stepOutput);
  bool HasRecord() const { return word != nullptr; }
  bool ReadRecord();
  void WriteRecord();
  static bool Less(const DictionaryMergeHandler& a, const DictionaryMergeHandler& b);
  void Close() { CloseOutput(slot); }
  static void CloseOutput(Output** stepOutput);
  static void DiscardOutput(Output** stepOutput) noexcept;

 private:
  Output** slot;
  std::unique_ptr<Dictionary> cursor;
  std::string outputPath;
  std::string inputPath;
  const char* word = nullptr;
  int32_t letterCount = 0;
};
