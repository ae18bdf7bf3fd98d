#include "search/request/SelectedWords.h"

#include "foundation/CharClass.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/ResStrings.h"
#include "foundation/TextUtils.h"
#include "platform/Cp1252.h"
#include "search/SearchTextIds.h"

SelectedWord::SelectedWord(uint32_t startColumn, uint32_t startRow, uint8_t wordDirection,
                           const std::string& gridPattern)
    : column(startColumn), row(startRow), direction(wordDirection) {
  SetPattern(gridPattern);
}

void SelectedWord::SetPattern(const std::string& gridPattern) {
  pattern.clear();
  cells.clear();
  uint32_t c = column;
  uint32_t r = row;
  for (uint32_t i = 0; i < gridPattern.size(); ++i) {
    const char cell = gridPattern[i];
    if (cell == '%') {
      cells.push_back({c, r, i});
      hasOpenCell = 1;
    }
    // Each cell is one letter position: a mark or any other character in a filled cell would
    // otherwise change the pattern's meaning or its length.
    pattern += (cell == '%' || !IsLetter(cell)) ? '?' : cell;
    if (direction == kAcross) ++c;
    else ++r;
  }
}

void SelectedWord::TakeCrossingLetters(std::vector<UpdatedItem>& updates,
                                       const std::vector<IntersectCell>& sourceCells,
                                       const std::string& letters, uint32_t thisIndex) {
  for (const IntersectCell& source : sourceCells) {
    if (source.index >= letters.size()) continue;
    for (const IntersectCell& target : cells) {
      if (target.column != source.column || target.row != source.row) continue;
      pattern[target.index] = letters[source.index];
      updates.push_back({thisIndex, target.index});
      break;
    }
  }
}

void SelectedWords::Add(int32_t clueNumber, uint32_t column, uint32_t row, uint8_t direction,
                        const std::string& gridPattern) {
  SelectedWord word(column, row, direction, gridPattern);
  if (word.hasOpenCell) {
    words.push_back(std::move(word));
    return;
  }
  const std::string text =
      std::to_string(clueNumber) + " " +
      LoadResString(direction == SelectedWord::kAcross ? kAcrossText : kDownText) + ": " +
      Cp1252::ToUtf8(gridPattern) + "\n" + LoadResString(kNoSharedUnknownLetterText);
  ShowMessageBox(text, LoadResString(kInformationCaption), MB_OK | MB_ICONINFORMATION);
}

void SelectedWords::ApplyAnswer(std::vector<UpdatedItem>& updates, uint32_t k,
                                const std::string& answer) {
  const std::string letters = FilterCharClass(answer);
  for (uint32_t j = k + 1; j < words.size(); ++j)
    words[j].TakeCrossingLetters(updates, words[k].cells, letters, j);
}

void SelectedWords::UndoUpdates(const std::vector<UpdatedItem>& updates) {
  for (const UpdatedItem& item : updates) words[item.word].pattern[item.position] = '?';
}
