// The grid file: a 16-byte header (format value, cols, rows, default colour) and the cells
// column by column as they lie in memory; and the Across/Down word list.

#include <algorithm>
#include <cstdio>
#include <cstring>

#include "crossword/CrosswordTextIds.h"
#include "crossword/GridData.h"
#include "foundation/CharClass.h"
#include "foundation/File.h"
#include "foundation/FileReplace.h"
#include "foundation/LittleEndian.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "search/SearchTextIds.h"

namespace {

constexpr size_t kHeaderSize = 16;
constexpr size_t kMaxFileSize =
    kHeaderSize + sizeof(CellData) * GridData::kMaxSize * GridData::kMaxSize;

// The file's bytes, or nothing when it cannot be read (File takes only a regular file, and never
// waits on a FIFO). One byte more than any grid file can hold is enough to refuse an oversized
// file without reading it all.
bool ReadUpTo(const std::string& path, size_t limit, std::string& bytes) {
  File in;
  try {
    in.Open(path, "rb", 0);
  } catch (const SorvaneException&) {
    return false;
  }
  // Room for what the file holds now, not for the largest grid: a file that grows meanwhile is
  // still read only up to the limit.
  const int64_t length = in.Length();
  if (length < 0) return false;
  const size_t want = std::min(static_cast<size_t>(length) + 1, limit);
  bytes.resize(want);
  const size_t got = std::fread(bytes.data(), 1, want, in.handle);
  if (std::ferror(in.handle)) return false;
  bytes.resize(got);
  return true;
}

uint8_t Flag(uint8_t stored) { return stored ? 1 : 0; }

}  // namespace

std::string GridData::FileBytes() const {
  std::string bytes(kHeaderSize + cells.size() * sizeof(CellData), '\0');
  auto* header = reinterpret_cast<uint8_t*>(bytes.data());
  WriteU32(header, kFormatValue);
  WriteU32(header + 4, static_cast<uint32_t>(cols));
  WriteU32(header + 8, static_cast<uint32_t>(rows));
  WriteU32(header + 12, defaultColour);
  std::memcpy(bytes.data() + kHeaderSize, cells.data(), cells.size() * sizeof(CellData));
  return bytes;
}

int GridData::SaveToFile(const std::string& path) {
  if (!ReplaceFileContents(path, FileBytes())) return 1;
  modified = 0;
  return 0;
}

int GridData::LoadFromFile(const std::string& path) {
  std::string bytes;
  if (!ReadUpTo(path, kMaxFileSize + 1, bytes)) return 1;
  return LoadFromBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

int GridData::LoadFromBytes(const uint8_t* data, size_t size) {
  // Everything is checked before the grid changes: a refused file leaves it as it was.
  if (size < kHeaderSize || static_cast<int32_t>(ReadU32(data)) != kFormatValue) return 2;
  const auto fileCols = static_cast<int32_t>(ReadU32(data + 4));
  const auto fileRows = static_cast<int32_t>(ReadU32(data + 8));
  if (fileCols < 1 || fileRows < 1 || fileCols > kMaxSize || fileRows > kMaxSize) return 2;
  const size_t count = static_cast<size_t>(fileCols) * static_cast<size_t>(fileRows);
  if (size != kHeaderSize + count * sizeof(CellData)) return 2;

  std::vector<CellData> fileCells(count);
  const uint8_t* record = data + kHeaderSize;
  for (CellData& cell : fileCells) {
    CellData stored;
    std::memcpy(&stored, record, sizeof stored);
    record += sizeof stored;
    // Only what the file owns is taken; marks are cleared and derived fields recomputed.
    cell.colour = stored.colour;
    cell.vbar = Flag(stored.vbar);
    cell.hbar = Flag(stored.hbar);
    cell.blank = Flag(stored.blank);
    // Any other byte would be drawn raw and become pattern syntax in the searches it starts
    // (a "*" or "[" in a cell); the cell keeps its other fields and is only emptied, so that a
    // grid holding a mark put in by an inserted phrase still opens.
    cell.SetLetter(IsLetter(stored.letter[0]) ? stored.letter[0] : 0);
  }

  cells = std::move(fileCells);
  cols = fileCols;
  rows = fileRows;
  defaultColour = ReadU32(data + 12);
  // The old current word and cells may lie outside the new grid.
  wordStart = wordEnd = current = previous = {0, 0};
  wordLength = 0;
  Renumber();
  modified = 0;
  return 0;
}

std::string GridData::GetWordList() const {
  std::string across = "Across:\n";
  std::string down = "\nDown:\n";
  for (int32_t r = 0; r < rows; ++r) {
    for (int32_t c = 0; c < cols; ++c) {
      const CellData& cell = Cell(c, r);
      const std::string number = std::to_string(cell.number) + ". ";
      if (cell.wordStarts & 1) across += number + GetAcrossWord(c, r, false) + "\n";
      if (cell.wordStarts & 2) down += number + GetDownWord(c, r, false) + "\n";
    }
  }
  return across + down;
}

std::string GridFileErrorText(int code) {
  return LoadResString(code == 1 ? kUnableToOpenFileText : kNotAGridFileText);
}
