#include "search/forms/WidestResult.h"

#include <QFontMetrics>
#include <algorithm>
#include <array>

#include "platform/Host.h"
#include "platform/qt/QtText.h"
#include "search/results/Results.h"

namespace {
constexpr uint32_t kReadBlock = 4096;
// Anagrams all sum alike, so every one of millions of them can come near the widest: past this
// many layouts the column takes the widest sum and a letter to spare instead.
constexpr int kMostLaidOut = 2000;
}  // namespace

int WidestResult(Results& results, const QFontMetrics& metrics) {
  std::array<int, 256> advance{};
  for (int byte = 0; byte < 256; ++byte) {
    const char letter = static_cast<char>(byte);
    advance[byte] = metrics.horizontalAdvance(Cp1252::ToQString(std::string_view(&letter, 1)));
  }
  // Kerning moves a text's width by a fraction of a letter either way: a text whose summed
  // advances come within a letter of the widest summed so far is laid out whole.
  const int nearness = metrics.maxWidth();
  int widestSum = 0;
  int widest = 0;
  int laidOut = 0;
  results.ReadInOrder(kReadBlock, [&](const std::vector<std::string_view>& texts) {
    for (const std::string_view text : texts) {
      int sum = 0;
      for (const char letter : text) sum += advance[static_cast<uint8_t>(letter)];
      if (sum + nearness < widestSum) continue;
      widestSum = std::max(widestSum, sum);
      if (++laidOut > kMostLaidOut) continue;
      widest = std::max({widest, sum, metrics.horizontalAdvance(Cp1252::ToQString(text))});
    }
    // Reading every result of a pair at its 4 GB limit takes seconds: a program asked to stop
    // makes do with the widest so far, since its window is about to close.
    return !Host::Current().StopRequested();
  });
  return laidOut > kMostLaidOut ? std::max(widest, widestSum + nearness) : widest;
}
