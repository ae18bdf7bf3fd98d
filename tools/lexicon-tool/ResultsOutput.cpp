#include "ResultsOutput.h"

#include <algorithm>
#include <cstdio>
#include <string_view>
#include <vector>

#include "platform/Cp1252.h"
#include "platform/SignalStop.h"
#include "search/results/Results.h"

bool ExportAndSave(Results& results, const std::string& exportPath, const std::string& savePath) {
  if (SignalStop::Received()) return true;
  // The failure was told as the search or job met it; a refusal to save would tell it again.
  if (results.WriteFailed()) return exportPath.empty() && savePath.empty();
  if (!exportPath.empty() && !results.SaveAsText(exportPath)) return false;
  if (SignalStop::Received()) return true;
  return savePath.empty() || results.SaveToFile(savePath);
}

// Reads the store a block at a time: every read of it seeks, and one read per result would
// cost more than the search. Stops once a signal has come.
bool PrintResults(Results& results) {
  bool written = true;
  std::string text;
  results.ReadInOrder(4096, [&](const std::vector<std::string_view>& lines) {
    // Sized first and filled in place: a growing string would check its room at every line.
    size_t size = 0;
    for (std::string_view line : lines) size += line.size() + 1;
    text.resize(size);
    char* at = text.data();
    for (std::string_view line : lines) {
      at = std::copy(line.begin(), line.end(), at);
      *at++ = '\n';
    }
    const std::string utf8 = Cp1252::IsAscii(text) ? std::string() : Cp1252::ToUtf8(text);
    const std::string& out = utf8.empty() ? text : utf8;
    written = !SignalStop::Received() &&
              std::fwrite(out.data(), 1, out.size(), stdout) == out.size();
    return written;
  });
  return written && std::fflush(stdout) == 0;
}
