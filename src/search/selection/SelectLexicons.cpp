#include "search/selection/SelectLexicons.h"

#include <ctime>

#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "platform/PlatformTextIds.h"
#include "search/SearchTextIds.h"

std::string LexiconDate(uint32_t seconds) {
  const std::time_t time = seconds;
  std::tm local{};
  if (!localtime_r(&time, &local)) return {};
  char text[64];
  const size_t length =
      std::strftime(text, sizeof text, LoadResString(kLexiconDateFormat).c_str(), &local);
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
    ResMessageBoxOwner(owner, kNoLexiconSelectedText, kInsufficientInformationCaption, MB_OK);
    return false;
  }
  std::string question = LoadResString(kDeleteLexiconsWarningText);
  for (const std::string& path : highlightedPaths) question += ExtractFileName(path) + "\n";
  question += LoadResString(kAreYouSureText);
  if (MessageBoxWrapper(owner, question, LoadResString(kConfirmCaption), MB_OKCANCEL) != IDOK)
    return false;
  view.DeleteLexicons(highlightedPaths);
  return true;
}
