#pragma once
// The commands of grid-tool, a developer's tool for checking grids. Each takes the arguments
// after the command's name, writes UTF-8 to standard output and returns the exit status: 0, the
// grid loader's code for a refused file (with "File Error: " and its message on standard error),
// or kBadArguments.

#include <string>
#include <vector>

class GridData;

using Arguments = std::vector<std::string>;

constexpr int kBadArguments = 3;

int MakeCommand(const Arguments& arguments);
int ShowCommand(const Arguments& arguments);
int SymmetryCommand(const Arguments& arguments);
int BitmapCommand(const Arguments& arguments);

// Reports bad arguments on standard error and returns kBadArguments.
int BadArguments(const std::string& message);
// Reports a refused grid file and returns its code.
int FileError(int code);
// Reports that path could not be written and returns 1.
int WriteError(const std::string& path);
// The description, the clue numbers and the word list, each after an empty line.
void PrintGrid(const GridData& grid);
