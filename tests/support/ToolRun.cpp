#include "support/ToolRun.h"

#include <sys/wait.h>

#include <cstdio>
#include <sstream>

ToolRun RunTool(const TempFolder& folder, const std::string& arguments) {
  return RunNamedTool(folder, "lexicon-tool", arguments);
}

ToolRun RunNamedTool(const TempFolder& folder, const std::string& tool, const std::string& arguments) {
  return RunCommand(folder, ToolPath(tool) + " " + arguments);
}

std::string ToolPath(const std::string& tool) { return std::string(SORVANE_BIN_DIR) + "/" + tool; }

ToolRun RunCommand(const TempFolder& folder, const std::string& command) {
  // A home of its own for the command, so that the tool's settings store is written there and
  // never in the user's.
  const TempFolder home;
  const std::string environment =
      "export HOME=" + home.Path() + " XDG_CONFIG_HOME=" + home / "config" +
      " XDG_DATA_HOME=" + home / "data" + " XDG_CONFIG_DIRS=" + home / "etc" + "; ";
  ToolRun run;
  FILE* pipe = ::popen((environment + command + " 2>" + folder / "stderr.txt").c_str(), "r");
  if (!pipe) return run;
  char buffer[65536];
  for (size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;) run.out.append(buffer, n);
  const int status = ::pclose(pipe);
  run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  run.err = ReadWholeFile(folder / "stderr.txt");
  return run;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}
