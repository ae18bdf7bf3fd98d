#include "crossword/GridDescription.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "platform/Cp1252.h"

namespace {

constexpr std::string_view kEscaped = "#.|^{\\";

std::string Hex6(uint32_t colour) {
  char text[8];
  std::snprintf(text, sizeof text, "%06X", colour & 0xFFFFFF);
  return text;
}

std::optional<uint32_t> ParseHex6(std::string_view text) {
  if (text.size() != 6) return std::nullopt;
  uint32_t value = 0;
  for (char c : text) {
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return std::nullopt;
    value = value * 16 + static_cast<uint32_t>(digit);
  }
  return value;
}

size_t Utf8Length(unsigned char lead) {
  if (lead >= 0xF0) return 4;
  if (lead >= 0xE0) return 3;
  if (lead >= 0xC0) return 2;
  return 1;
}

// One cell's item from line at pos; false when it is malformed.
bool ParseCell(const std::string& line, size_t& pos, CellData& cell, uint32_t defaultColour) {
  cell = CellData();
  cell.colour = defaultColour;
  uint8_t vbar = 0;
  uint8_t hbar = 0;
  if (pos < line.size() && line[pos] == '|') vbar = 1, ++pos;
  if (pos < line.size() && line[pos] == '^') hbar = 1, ++pos;
  if (pos >= line.size()) return false;
  if (line[pos] == '#') {
    cell.SetBlank(1);
    ++pos;
  } else if (line[pos] == '.') {
    ++pos;
  } else {
    if (line[pos] == '\\') ++pos;
    if (pos >= line.size()) return false;
    const size_t length = Utf8Length(static_cast<unsigned char>(line[pos]));
    const std::string letter = Cp1252::FromUtf8(line.substr(pos, length));
    if (letter.size() != 1 || letter[0] == 0) return false;
    cell.SetLetter(letter[0]);
    pos += length;
  }
  cell.SetVBar(vbar);
  cell.SetHBar(hbar);
  if (pos < line.size() && line[pos] == '{') {
    const size_t close = line.find('}', pos);
    if (close == std::string::npos) return false;
    const auto colour = ParseHex6(std::string_view(line).substr(pos + 1, close - pos - 1));
    if (!colour) return false;
    cell.colour = *colour;
    pos = close + 1;
  }
  return true;
}

}  // namespace

std::optional<GridData> ParseGridDescription(const std::string& text, std::string& error,
                                             const GridDefaults& defaults) {
  std::istringstream in(text);
  std::string line;
  std::getline(in, line);
  if (!line.empty() && line.back() == '\r') line.pop_back();
  int cols = 0;
  int rows = 0;
  char colourText[8] = {0};
  const int fields = std::sscanf(line.c_str(), "%dx%d %7s", &cols, &rows, colourText);
  if (fields < 2 || cols < 1 || rows < 1 || cols > GridData::kMaxSize || rows > GridData::kMaxSize) {
    error = "the first line must be CxR with sizes 1 to 999, then an optional BBGGRR colour";
    return std::nullopt;
  }
  GridDefaults gridDefaults = defaults;
  if (fields == 3) {
    const auto colour = ParseHex6(colourText);
    if (!colour) {
      error = "bad default colour: " + std::string(colourText);
      return std::nullopt;
    }
    gridDefaults.cellColour = *colour;
  }
  GridData grid(cols, rows, gridDefaults);
  for (int32_t r = 0; r < rows; ++r) {
    if (!std::getline(in, line)) {
      if (r == 0) break;  // no rows at all: an empty grid
      error = "row " + std::to_string(r + 1) + " is missing";
      return std::nullopt;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    size_t pos = 0;
    for (int32_t c = 0; c < cols; ++c) {
      if (!ParseCell(line, pos, grid.Cell(c, r), grid.DefaultColour())) {
        error = "row " + std::to_string(r + 1) + ": bad or missing cell " + std::to_string(c + 1);
        return std::nullopt;
      }
    }
    if (pos != line.size()) {
      error = "row " + std::to_string(r + 1) + ": more cells than columns";
      return std::nullopt;
    }
  }
  grid.Renumber();
  grid.modified = 0;
  return grid;
}

std::string DescribeGrid(const GridData& grid) {
  std::string text = std::to_string(grid.Cols()) + "x" + std::to_string(grid.Rows()) + " " +
                     Hex6(grid.DefaultColour()) + "\n";
  for (int32_t r = 0; r < grid.Rows(); ++r) {
    for (int32_t c = 0; c < grid.Cols(); ++c) {
      const CellData& cell = grid.Cell(c, r);
      if (cell.vbar) text += '|';
      if (cell.hbar) text += '^';
      if (cell.blank) {
        text += '#';
      } else if (!cell.Letter()) {
        text += '.';
      } else {
        if (kEscaped.find(cell.Letter()) != std::string_view::npos) text += '\\';
        text += Cp1252::ToUtf8(std::string(1, cell.Letter()));
      }
      if (cell.colour != grid.DefaultColour())
        text.append("{").append(Hex6(cell.colour)).append("}");
    }
    text += '\n';
  }
  return text;
}

std::string DescribeNumbers(const GridData& grid) {
  std::string text;
  for (int32_t r = 0; r < grid.Rows(); ++r) {
    for (int32_t c = 0; c < grid.Cols(); ++c) {
      if (c > 0) text += ' ';
      text += std::to_string(grid.Cell(c, r).number);
    }
    text += '\n';
  }
  return text;
}
