#include "search/merge/DictionaryMergeHandler.h"

#include "foundation/CharClass.h"

DictionaryMergeHandler::DictionaryMergeHandler(const std::string& input, const std::string& output,
                                               Output** stepOutput)
    : slot(stepOutput), outputPath(output), inputPath(input) {
  if (!*slot) *slot = new CompressDictionary(outputPath);
  ReadRecord();
}

bool DictionaryMergeHandler::ReadRecord() {
  uint8_t found;
  if (!cursor) {
    cursor = std::make_unique<Dictionary>(inputPath);
    cursor->CheckLexicon();
    found = cursor->FindNext(&word, "*", nullptr, 0, 0);
  } else {
    found = cursor->FindNext(&word, nullptr, nullptr, 0, 0);
  }
  if (found != Dictionary::kFound) {
    // A merge of part of a source would lose the rest of its words without a word said.
    cursor->CheckReadWhole();
    word = nullptr;
    return false;
  }
  letterCount = cursor->CurrentLetterCount();
  return true;
}

void DictionaryMergeHandler::WriteRecord() {
  if (!(*slot)->Takes(word)) cursor->ThrowDamaged();
  (*slot)->AddWord(word);
}

bool DictionaryMergeHandler::Less(const DictionaryMergeHandler& a, const DictionaryMergeHandler& b) {
  if (a.letterCount != b.letterCount) return a.letterCount < b.letterCount;
  return CompareWords(a.word, b.word) < 0;
}

void DictionaryMergeHandler::CloseOutput(Output** stepOutput) {
  std::unique_ptr<CompressDictionary> writer(*stepOutput);
  *stepOutput = nullptr;
  writer->Close();
}

void DictionaryMergeHandler::DiscardOutput(Output** stepOutput) noexcept {
  delete *stepOutput;
  *stepOutput = nullptr;
}
