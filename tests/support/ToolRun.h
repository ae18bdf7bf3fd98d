#pragma once
// Runs the developer's lexicon tool as its own process, the way scripts and benchmarks run it.

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
std::vector<std::string> Lines(const std::string& text);
