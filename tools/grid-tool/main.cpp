// grid-tool: makes grid files from text descriptions, shows them with their clue numbers and
// word lists, tries the symmetry rules and draws grids as bitmaps.

#include <cstdio>
#include <exception>

#include "Commands.h"
#include "crossword/GridData.h"
#include "crossword/GridDescription.h"
#include "foundation/FolderPaths.h"
#include "platform/Cp1252.h"

namespace {

constexpr const char* kUsage =
    "usage: grid-tool make DESC OUT.grd\n"
    "       grid-tool show GRID\n"
    "       grid-tool symmetry TYPE DESC|CxR COL,ROW...\n"
    "       grid-tool bitmap GRID OUT.bmp\n"
    "DESC is a file, or - for standard input: a line \"CxR [BBGGRR]\", then a line a row of\n"
    "cells: # blank, . empty, else the letter (\\ before #.|^{\\), after | (left bar) and ^\n"
    "(top bar), before {BBGGRR} for a colour of its own.\n";

}  // namespace

int BadArguments(const std::string& message) {
  std::fprintf(stderr, "grid-tool: %s\n", message.c_str());
  return kBadArguments;
}

int FileError(int code) {
  std::fprintf(stderr, "File Error: %s\n", GridFileErrorText(code).c_str());
  return code;
}

int WriteError(const std::string& path) {
  std::fprintf(stderr, "File Error: %s\n", WriteFailureText(path).c_str());
  return 1;
}

void PrintGrid(const GridData& grid) {
  std::fputs((DescribeGrid(grid) + "\n" + DescribeNumbers(grid) + "\n" + Cp1252::ToUtf8(grid.GetWordList())).c_str(),
             stdout);
}

namespace {

// The command's status; an unknown command shows the usage.
int RunCommand(const std::string& command, const Arguments& arguments) {
  try {
    if (command == "make") return MakeCommand(arguments);
    if (command == "show") return ShowCommand(arguments);
    if (command == "symmetry") return SymmetryCommand(arguments);
    if (command == "bitmap") return BitmapCommand(arguments);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "grid-tool: %s\n", e.what());
    return 1;
  }
  std::fputs(kUsage, stderr);
  return kBadArguments;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return kBadArguments;
  }
  const int status = RunCommand(argv[1], Arguments(argv + 2, argv + argc));
  // What was printed but never reached standard output (a full disk) fails the run.
  const bool written = std::fflush(stdout) == 0 && !std::ferror(stdout);
  if (written || status != 0) return status;
  std::fputs("grid-tool: cannot write the output\n", stderr);
  return 1;
}
