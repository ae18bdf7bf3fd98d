#include "crossword/NewGridEntry.h"

#include <charconv>

#include "crossword/CrosswordTextIds.h"
#include "foundation/ResStrings.h"

namespace {

bool WholeNumber(const std::string& text, int32_t& value) {
  const char* end = text.data() + text.size();
  const auto [stop, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && stop == end;
}

}  // namespace

bool ReadNewGridSizes(const std::string& colsText, const std::string& rowsText, int32_t& cols, int32_t& rows) {
  bool valid = true;
  // Both are tried, so that both messages are seen at once.
  if (!WholeNumber(rowsText, rows)) {
    ResMessageBox(kRowsNotWholeText, kEntryNotValidText, MB_OK);
    valid = false;
  }
  if (!WholeNumber(colsText, cols)) {
    ResMessageBox(kColumnsNotWholeText, kEntryNotValidText, MB_OK);
    valid = false;
  }
  return valid;
}

bool NewGridKeyPasses(char32_t character) { return (character >= '0' && character <= '9') || character == 8; }
