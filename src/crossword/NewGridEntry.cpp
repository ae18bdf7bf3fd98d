#include "crossword/NewGridEntry.h"

#include <charconv>

#include "foundation/ResStrings.h"

namespace {

constexpr int32_t kEntryNotValid = 7103;
constexpr int32_t kRowsNotWhole = 8430;
constexpr int32_t kColumnsNotWhole = 8431;

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
    ResMessageBox(kRowsNotWhole, kEntryNotValid, MB_OK);
    valid = false;
  }
  if (!WholeNumber(colsText, cols)) {
    ResMessageBox(kColumnsNotWhole, kEntryNotValid, MB_OK);
    valid = false;
  }
  return valid;
}

bool NewGridKeyPasses(char32_t character) { return (character >= '0' && character <= '9') || character == 8; }
