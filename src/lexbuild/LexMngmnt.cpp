#include "lexbuild/LexMngmnt.h"

#include <exception>
#include <new>

#include "foundation/FoundationTextIds.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "search/selection/FindWordInLexicons.h"

namespace {

constexpr const char* kNotFoundText = "Your word was not found in any Lexicons.";
constexpr const char* kFindCaption = "Find";

}  // namespace

LexMngmntModeInfo ModeInfo(uint8_t mode) {
  switch (mode) {
    case kAddWordMode:
      return {"&Add", 220};
    case kRemoveWordMode:
      return {"&Remove", 230};
    case kMergeMode:
      return {"&Merge", 250};
    case kCreateMode:
      return {"&Create", 240};
    default:
      return {nullptr, 0};
  }
}

bool RunHandler(const void* owner, const std::function<void()>& handler) {
  std::string failure;
  try {
    handler();
    return true;
  } catch (const std::bad_alloc&) {
    failure = "Not enough memory to complete the operation.";
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "The operation failed unexpectedly.";
  }
  MessageBoxWrapper(owner, failure, LoadResString(kErrorCaption), MB_OK);
  return false;
}

LexMngmnt::LexMngmnt(VirtualLexListView& lexView, const void* dialog)
    : mLexView(lexView), owner(dialog) {}

std::vector<std::string> LexMngmnt::LexiconNames() const {
  std::vector<std::string> names;
  for (const LexViewInfo& entry : mLexView.Entries()) names.push_back(ExtractFileName(entry.path));
  return names;
}

void LexMngmnt::UpdateHelpContext() const {
  const LexMngmntModeInfo info = ModeInfo(mMode);
  if (info.okCaption) SetHelpContext(info.helpContext);
}

ViewUpdate LexMngmnt::cmdOKClick(const LexMngmntControls& controls) {
  ViewUpdate update;
  RunHandler(owner, [&] {
    switch (mMode) {
      case kAddWordMode:
      case kRemoveWordMode:
        update = cmdModifyClick(controls);
        break;
      case kMergeMode:
        update = MergeLexicons(controls);
        break;
      case kCreateMode:
        update = cmdCreateClick(controls);
        break;
    }
  });
  return update;
}

void LexMngmnt::cmdWhereIsClick(const std::string& word) {
  RunHandler(owner, [&] {
    if (word.empty()) {
      Box(kNoWordText, LoadResString(kInsufficientInformationCaption), MB_OK);
      return;
    }
    // A word breaking the word rules is looked for nowhere: no lexicon holds it.
    const std::string holders = FindWordInLexicons(word, mLexView.List());
    const std::string text =
        holders.empty() ? kNotFoundText : "The word you are looking for can be found in:\n" + holders;
    Box(text, kFindCaption, MB_OK);
  });
}

void LexMngmnt::SetCheckLexicons(std::vector<std::string> paths, bool strict) {
  mCheckLexicons = std::move(paths);
  mStrictChecking = strict;
}

int LexMngmnt::Box(const std::string& text, const std::string& caption, unsigned flags) const {
  return MessageBoxWrapper(owner, text, caption, flags);
}

void LexMngmnt::RefreshBeforeBox(ViewUpdate& update) const {
  if (!refreshView) return;
  refreshView(update);
  update.refillCombo = false;
  update.refillMergeList = false;
}

bool LexMngmnt::SelectInView(const std::string& path) {
  const auto found = mLexView.Find(path);
  if (found == mLexView.Entries().end()) return false;
  mLexView.Select(static_cast<size_t>(found - mLexView.Entries().begin()));
  return true;
}
