#include "search/selection/VirtualLexListView.h"

#include <algorithm>

#include "foundation/FolderPaths.h"
#include "foundation/FileOps.h"
#include "foundation/SorvaneException.h"

namespace {

// Selects the entry, holding one use of its lexicon. A lexicon that can no longer be read is
// reported and stays unselected, so one lost file never stops a selection from being made.
void Select(LexViewInfo& entry) {
  try {
    entry.lexicon->Use(true);
    entry.selected = 1;
  } catch (const SorvaneException& e) {
    ShowLexiconWarning(e.what());
  }
}

}  // namespace

VirtualLexListView::VirtualLexListView(VirtualLexList& lexiconList)
    : list(&lexiconList), subsetLexicon(ClaimTempFilePath(".MMF")) {
  BuildEntries();
  list->AddListener(this);
}

VirtualLexListView::~VirtualLexListView() {
  DeleteFileIfExists(subsetLexicon.path);
  if (!attached) return;
  for (LexViewInfo& entry : entries) {
    if (!entry.selected) continue;
    entry.lexicon->Use(false);
    entry.selected = 0;
  }
  list->RemoveListener(this);
}

void VirtualLexListView::BuildEntries() { BuildEntriesKeeping({}); }

void VirtualLexListView::BuildEntriesKeeping(const Choices& choices) {
  entries.clear();
  for (const std::shared_ptr<VirtualLex>& record : list->Records()) {
    LexViewInfo entry{record, 0, record->path};
    const auto choice = std::find_if(choices.begin(), choices.end(),
                                     [&](const auto& c) { return c.first == record->path; });
    const bool wanted = choice != choices.end() ? choice->second : record->header.defaultFlag != 0;
    if (wanted) Select(entry);
    entries.push_back(std::move(entry));
  }
}

void VirtualLexListView::OnListChanged() {
  std::vector<LexViewInfo> old = std::move(entries);
  Choices choices;
  for (const LexViewInfo& entry : old) choices.emplace_back(entry.path, entry.selected);
  // The new uses are taken before the old ones go, so a lexicon that stays selected is never
  // dropped and read again. After a rescan the old records are no longer the list's; releasing
  // them only lets their images go.
  BuildEntriesKeeping(choices);
  for (LexViewInfo& entry : old)
    if (entry.selected) entry.lexicon->Use(false);
}

std::vector<LexViewInfo>::iterator VirtualLexListView::Find(const std::string& path) {
  return std::find_if(entries.begin(), entries.end(),
                      [&](const LexViewInfo& entry) { return entry.lexicon->path == path; });
}

int32_t VirtualLexListView::CountSelected() const {
  return static_cast<int32_t>(std::count_if(entries.begin(), entries.end(),
                                            [](const LexViewInfo& e) { return e.selected != 0; }));
}

void VirtualLexListView::ApplyFlags() {
  for (LexViewInfo& entry : entries) entry.lexicon->SetFlag(entry.selected != 0);
}

void VirtualLexListView::DeleteLexicons(const std::vector<std::string>& paths) {
  list->RemoveLexicons(paths);
}
