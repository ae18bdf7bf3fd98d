// make, show and symmetry: the grid model alone, no window.

#include <cstdio>
#include <optional>
#include <regex>

#include "Commands.h"
#include "crossword/GridDescription.h"
#include "crossword/GridEditor.h"
#include "foundation/File.h"
#include "foundation/SorvaneException.h"
#include "platform/SignalStop.h"

namespace {

// More than the description of the largest grid can take, escapes, bars and colours in every cell.
constexpr size_t kMaxDescriptionBytes = size_t{16} << 20;

// The text of a description up to the cap; none for a larger one or what cannot be read. File
// takes only a regular file and never waits on a FIFO; standard input is read up to the cap.
std::optional<std::string> ReadDescription(const std::string& source) {
  File file;
  if (source != "-") {
    try {
      file.Open(source, "rb", 0);
    } catch (const SorvaneException&) {
      return std::nullopt;
    }
  }
  std::FILE* in = source == "-" ? stdin : file.handle;
  std::string text;
  char block[65536];
  for (size_t got; (got = std::fread(block, 1, sizeof block, in)) > 0;) {
    text.append(block, got);
    if (text.size() > kMaxDescriptionBytes) return std::nullopt;
  }
  if (std::ferror(in)) return std::nullopt;
  return text;
}

// A description from a file, or an empty grid from "CxR".
std::optional<GridData> LoadDescription(const std::string& source, std::string& error) {
  static const std::regex kSizeOnly("[0-9]+x[0-9]+");
  std::optional<std::string> text = ReadDescription(source);
  if (!text && std::regex_match(source, kSizeOnly)) text = source;
  if (!text) {
    error = "cannot read " + source;
    return std::nullopt;
  }
  return ParseGridDescription(*text, error);
}

}  // namespace

int MakeCommand(const Arguments& arguments) {
  if (arguments.size() != 2) return BadArguments("make needs DESC and OUT.grd");
  std::string error;
  std::optional<GridData> grid = LoadDescription(arguments[0], error);
  if (!grid) return BadArguments(error);
  // A signal while the grid is written ends the tool once the grid file is whole and the working
  // file beside it gone. Only the save waits so: a signal still ends a read of standard input.
  const int code = SignalStop::RunEndingOnSignals([&] { return grid->SaveToFile(arguments[1]); });
  return code == 0 ? 0 : WriteError(arguments[1]);
}

int ShowCommand(const Arguments& arguments) {
  if (arguments.size() != 1) return BadArguments("show needs GRID");
  GridEditor editor;
  const int code = editor.LoadGrid(arguments[0]);
  if (code != 0) return FileError(code);
  PrintGrid(editor.Grid());
  return 0;
}

int SymmetryCommand(const Arguments& arguments) {
  if (arguments.size() < 3) return BadArguments("symmetry needs TYPE, DESC or CxR, and cells");
  const std::string& type = arguments[0];
  if (type.size() != 1 || type[0] < '0' || type[0] > '9') return BadArguments("TYPE is 0 to 9");
  std::string error;
  std::optional<GridData> grid = LoadDescription(arguments[1], error);
  if (!grid) return BadArguments(error);
  grid->symmetryType = static_cast<uint8_t>(type[0] - '0');
  for (size_t i = 2; i < arguments.size(); ++i) {
    int col = -1;
    int row = -1;
    char end = 0;
    if (std::sscanf(arguments[i].c_str(), "%d,%d%c", &col, &row, &end) != 2 || !grid->Contains(col, row))
      return BadArguments("not a cell of the grid: " + arguments[i]);
    grid->ApplySymmetry(col, row, true);
  }
  grid->Renumber();
  PrintGrid(*grid);
  return 0;
}
