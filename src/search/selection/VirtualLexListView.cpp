#include "search/selection/VirtualLexListView.h"

#include <algorithm>

#include "foundation/FolderPaths.h"
#include "foundation/FileOps.h"
#include "foundation/SorvaneException.h"

namespace {

// Sets the entry's state, taking or releasing one use of its lexicon. A lexicon that can no longer
// be read is reported and stays unselected, so one lost file never stops a selection from being
// made.
bool SetSelected(LexViewInfo& entry, bool selected) {
  if ((entry.selected != 0) == selected) return selected;
  try {
    entry.lexicon->Use(selected);
    entry.selected = selected ? 1 : 0;
  } catch (const SorvaneException& e) {
    ShowLexiconWarning(e.what());
  }
  return entry.selected != 0;
}

}  // namespace

VirtualLexListView::VirtualLexListView(VirtualLexList& lexiconList)
    : subsetLexicon(ClaimTempFilePath(".MMF")), list(&lexiconList) {
  subsetLock.Hold(subsetLexicon.path);
  BuildEntries();
  list->AddListener(this);
}

VirtualLexListView::~VirtualLexListView() {
  DeleteFileIfExists(subsetLexicon.path);
  if (!attached) return;
  DeselectAll();
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
    if (wanted) SetSelected(entry, true);
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

void VirtualLexListView::OnListGone() { attached = 0; }

std::vector<LexViewInfo>::const_iterator VirtualLexListView::Find(const std::string& path) const {
  return std::find_if(entries.begin(), entries.end(),
                      [&](const LexViewInfo& entry) { return entry.lexicon->path == path; });
}

int32_t VirtualLexListView::CountSelected() const {
  return static_cast<int32_t>(std::count_if(entries.begin(), entries.end(),
                                            [](const LexViewInfo& e) { return e.selected != 0; }));
}

bool VirtualLexListView::Select(size_t index, bool selected) {
  return SetSelected(entries.at(index), selected);
}

bool VirtualLexListView::Toggle(size_t index) { return Select(index, !entries.at(index).selected); }

void VirtualLexListView::SelectAll() {
  for (LexViewInfo& entry : entries) SetSelected(entry, true);
}

void VirtualLexListView::DeselectAll() {
  for (LexViewInfo& entry : entries) SetSelected(entry, false);
}

void VirtualLexListView::ApplyFlags() {
  for (LexViewInfo& entry : entries) entry.lexicon->SetFlag(entry.selected != 0);
}

void VirtualLexListView::DeleteLexicons(const std::vector<std::string>& paths) {
  list->RemoveLexicons(paths);
}
