#include "support/DictionaryCursors.h"

#include <fstream>

const char* ModeName(CursorMode mode) { return mode == CursorMode::kImage ? "Image" : "File"; }
void PrintTo(CursorMode mode, std::ostream* out) { *out << ModeName(mode); }

std::shared_ptr<const LexImage> ImageOf(const std::string& bytes) {
  std::vector<uint8_t> withEndMark(bytes.begin(), bytes.end());
  withEndMark.push_back(0xFF);
  return std::make_shared<const LexImage>(std::move(withEndMark));
}

std::unique_ptr<Dictionary> OpenCursor(CursorMode mode, const std::string& bytes,
                                       const std::string& filePath) {
  if (mode == CursorMode::kImage) return std::make_unique<Dictionary>(ImageOf(bytes));
  std::ofstream(filePath, std::ios::binary | std::ios::trunc) << bytes;
  return std::make_unique<Dictionary>(filePath);
}

void PrintTo(const Found& found, std::ostream* out) {
  *out << "code " << found.code << ", words";
  for (const std::string& word : found.words) *out << " '" << word << "'";
}

Found FindAll(Dictionary& cursor, const std::string& pattern, const SrcLetters* from,
              int32_t minLetters, char firstLetter) {
  Found found;
  const char* word = nullptr;
  found.code = cursor.FindNext(&word, pattern.c_str(), from, minLetters, firstLetter);
  while (found.code == Dictionary::kFound) {
    found.words.push_back(word);
    found.code = cursor.FindNext(&word, nullptr, nullptr, 0, 0);
  }
  return found;
}

SrcLetters Letters(const std::string& text) {
  SrcLetters letters;
  letters.Set(text);
  return letters;
}
