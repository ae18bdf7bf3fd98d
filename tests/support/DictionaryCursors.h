#pragma once
// Lexicon cursors for tests: over an image in memory or over a file holding the same bytes, and
// a helper that runs one search to its end.

#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "search/lexicon/Dictionary.h"

enum class CursorMode { kImage, kFile };
const char* ModeName(CursorMode mode);
void PrintTo(CursorMode mode, std::ostream* out);

// A cursor over the lexicon bytes: an image of them, or the file at filePath written with them.
std::unique_ptr<Dictionary> OpenCursor(CursorMode mode, const std::string& bytes,
                                       const std::string& filePath);
// An image of the bytes, with its end mark.
std::shared_ptr<const LexImage> ImageOf(const std::string& bytes);

// The words one search returned, in order, and the code that ended it.
struct Found {
  std::vector<std::string> words;
  int code = -1;
  bool operator==(const Found&) const = default;
};
void PrintTo(const Found& found, std::ostream* out);

Found FindAll(Dictionary& cursor, const std::string& pattern, const SrcLetters* from = nullptr,
              int32_t minLetters = 0, char firstLetter = 0);
SrcLetters Letters(const std::string& text);
