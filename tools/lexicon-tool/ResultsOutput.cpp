#include "ResultsOutput.h"

#include <cstdio>
#include <string_view>
#include <vector>

#include "SignalStop.h"
#include "platform/Cp1252.h"
#include "search/results/Results.h"

bool ExportAndSave(Results& results, const std::string& exportPath, const std::string& savePath) {
  if (!exportPath.empty() && !results.SaveAsText(exportPath)) return false;
  return savePath.empty() || results.SaveToFile(savePath);
}

// Reads the store a block at a time: every read of it seeks, and one read per result would
// cost more than the search. Stops once a signal has come.
bool PrintResults(Results& results) {
  bool written = true;
  std::string text;
  results.ReadInOrder(4096, [&](const std::vector<std::string_view>& lines) {
    text.clear();
    for (std::string_view line : lines) text.append(line).push_back('\n');
    const std::string utf8 = Cp1252::IsAscii(text) ? std::string() : Cp1252::ToUtf8(text);
    const std::string& out = utf8.empty() ? text : utf8;
    written = !SignalStop::Received() &&
              std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    return written;
  });
  return written && std::fflush(stdout) == 0;
}
