#pragma once
// One selection over the installed lexicons (each search request owns one). Selecting a lexicon
// holds one use of it, so its image stays in memory while selected; the view is rebuilt on every
// change of the list, keeping the user's choices by path. It also owns the temporary subset
// lexicon of multi-word searches.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/TempFileLock.h"
#include "search/lexicon/VirtualLex.h"
#include "search/selection/VirtualLexList.h"

struct LexViewInfo {
  std::shared_ptr<VirtualLex> lexicon;
  uint8_t selected = 0;  // 1 while this entry holds one use of the lexicon
  std::string path;      // recognises the lexicon after the list changes
};

class VirtualLexListView final : public LexiconListListener {
 public:
  explicit VirtualLexListView(VirtualLexList& lexiconList);
  ~VirtualLexListView();
  VirtualLexListView(const VirtualLexListView&) = delete;
  VirtualLexListView& operator=(const VirtualLexListView&) = delete;

  // One entry per lexicon of the list, in the list's order.
  const std::vector<LexViewInfo>& Entries() const { return entries; }
  // The list this selection watches.
  VirtualLexList& List() const { return *list; }
  // One entry per lexicon of the list, selected when its header's default flag is set.
  void BuildEntries();
  // Rebuilds the entries, keeping the selected state of every lexicon still there; lexicons new
  // to the list take their default.
  void OnListChanged() override;
  void OnListGone() override;
  std::vector<LexViewInfo>::const_iterator Find(const std::string& path) const;
  int32_t CountSelected() const;

  // Selecting an entry holds one use of its lexicon (VirtualLex::Use), clearing it releases that
  // use. A lexicon that can no longer be read is reported and stays unselected. Each returns
  // whether the entry is selected afterwards.
  bool Select(size_t index, bool selected = true);
  bool Toggle(size_t index);
  void SelectAll();
  void DeselectAll();

  // Makes this selection the default of every later one by rewriting each lexicon's header.
  void ApplyFlags();
  void DeleteLexicons(const std::vector<std::string>& paths);

  VirtualLex subsetLexicon;
  // Held on the subset lexicon's file for as long as the selection lives, so that no copy of the
  // program sweeps it from the Temp folder; a file about to be moved to its name is held first.
  TempFileLock subsetLock;

 private:
  using Choices = std::vector<std::pair<std::string, uint8_t>>;
  void BuildEntriesKeeping(const Choices& choices);

  std::vector<LexViewInfo> entries;
  VirtualLexList* list;
  uint8_t attached = 1;  // 0 once the list is gone
};
