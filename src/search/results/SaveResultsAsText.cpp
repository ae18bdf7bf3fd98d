#include "search/results/SaveResultsAsText.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "foundation/File.h"
#include "foundation/FolderPaths.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "foundation/StagedSave.h"
#include "platform/Cp1252.h"
#include "search/SearchTextIds.h"
#include "search/results/Results.h"

namespace {

constexpr int32_t kFileBufferBytes = 2048;
constexpr uint32_t kBlock = 16384;

template <size_t N>
std::string FieldText(const char (&field)[N]) {
  return Cp1252::ToUtf8(std::string_view(field, ::strnlen(field, N)));
}

// Formats into a string that grows to what the texts need.
template <typename... Args>
std::string Format(const std::string& format, Args... args) {
  const int size = std::snprintf(nullptr, 0, format.c_str(), args...);
  if (size <= 0) return {};
  std::string text(static_cast<size_t>(size) + 1, '\0');
  std::snprintf(text.data(), text.size(), format.c_str(), args...);
  text.pop_back();
  return text;
}

}  // namespace

std::string ResultsReport(const ResultsHeader& header) {
  const std::string stars = LoadResString(kExportStarsText);
  std::string report = stars + LoadResString(kExportTitleText);
  report += Format(LoadResString(kExportFieldsText), FieldText(header.find).c_str(),
                   FieldText(header.from).c_str(), FieldText(header.include).c_str(),
                   FieldText(header.exclude).c_str(), FieldText(header.keyWords).c_str());
  report += header.useAllFrom ? LoadResString(kExportUseAllFromText) : "\r\n";
  report += header.suppressPermutations ? LoadResString(kExportSuppressText) : "\r\n";
  report += Format(LoadResString(kExportMatchesText), static_cast<long>(header.count));
  return report + stars;
}

void SaveResultsAsText::Execute() {
  StagedSave save(fileName);
  File file;
  file.Open(save.Path(), "w+b", kFileBufferBytes);
  const auto write = [&](std::string_view bytes) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), file.handle) != bytes.size()) {
      throw SorvaneException(WriteFailureText(fileName));
    }
  };
  write(ResultsReport(results.Header()));

  const uint64_t count = results.Count();
  uint64_t done = 0;
  std::string lines;
  results.ReadInOrder(kBlock, [&](const std::vector<std::string_view>& texts) {
    if (ShouldStop()) return false;
    lines.clear();
    for (std::string_view text : texts) lines.append(text).append("\r\n");
    if (Cp1252::IsAscii(lines)) {
      write(lines);
    } else {
      write(Cp1252::ToUtf8(lines));
    }
    done += texts.size();
    SetProgress(static_cast<int32_t>(done * 100 / count));
    return true;
  });
  if (!file.CloseChecked()) throw SorvaneException(WriteFailureText(fileName));
  // Only a whole export replaces what was there.
  if (ShouldStop()) return;
  if (!save.MoveIn()) throw SorvaneException(WriteFailureText(fileName));
}
