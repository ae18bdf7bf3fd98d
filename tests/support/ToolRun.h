#pragma once
// Runs the developer's tools as their own processes, the way scripts and benchmarks run them.

#include <string>
#include <vector>

#include "support/TempFolder.h"

struct ToolRun {
  int status = -1;
  std::string out;
  std::string err;
};

// lexicon-tool with the arguments (a shell command line); its standard error passes through a
// file in the folder.
ToolRun RunTool(const TempFolder& folder, const std::string& arguments);
// The same for another tool of the program folder ("grid-tool").
ToolRun RunNamedTool(const TempFolder& folder, const std::string& tool, const std::string& arguments);
// Any shell command line, its standard error passing through a file in the folder, with a home
// folder of its own.
ToolRun RunCommand(const TempFolder& folder, const std::string& command);
// The program folder's tool by path, for a command line of one's own.
std::string ToolPath(const std::string& tool);
std::vector<std::string> Lines(const std::string& text);
