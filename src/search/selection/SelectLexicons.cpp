#include "search/selection/SelectLexicons.h"

#include <ctime>

#include "foundation/PathText.h"
#include "foundation/ResStrings.h"

namespace {

constexpr int32_t kDateFormat = 8703;
constexpr int32_t kDeleteWarning = 8704;
constexpr int32_t kNoneHighlighted = 8705;
constexpr int32_t kAreYouSure = 8328;
constexpr int32_t kInsufficientInformation = 8404;
constexpr int32_t kConfirmCaption = 8330;

}  // namespace

std::string LexiconDate(uint32_t seconds) {
  const std::time_t time = seconds;
  std::tm local{};
  if (!localtime_r(&time, &local)) return {};
  char text[64];
  const size_t length =
      std::strftime(text, sizeof text, LoadResString(kDateFormat).c_str(), &local);
  return std::string(text, length);
}

LexiconRow DescribeLexicon(const LexViewInfo& entry) {
  const DictionaryHeader& header = entry.lexicon->header;
  return {ExtractFileName(entry.path), std::to_string(header.wordCount),
          LexiconDate(header.compileTime),
          LexiconDate(header.modifyTime != 0 ? header.modifyTime : header.compileTime)};
}

bool ConfirmAndDeleteLexicons(VirtualLexListView& view,
                              const std::vector<std::string>& highlightedPaths, const void* owner) {
  if (highlightedPaths.empty()) {
    ResMessageBoxOwner(owner, kNoneHighlighted, kInsufficientInformation, MB_OK);
    return false;
  }
  std::string question = LoadResString(kDeleteWarning);
  for (const std::string& path : highlightedPaths) question += ExtractFileName(path) + "\n";
  question += LoadResString(kAreYouSure);
  if (MessageBoxWrapper(owner, question, LoadResString(kConfirmCaption), MB_OKCANCEL) != IDOK)
    return false;
  view.DeleteLexicons(highlightedPaths);
  return true;
}
