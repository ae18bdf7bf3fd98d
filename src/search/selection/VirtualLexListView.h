#pragma once
// One selection over the installed lexicons (each search request owns one). Selecting a lexicon
// holds one use of it, so its image stays in memory while selected; the view is rebuilt on every
// change of the list, keeping the user's choices by path. It also owns the temporary subset
// lexicon of multi-word searches.

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/lexicon/VirtualLex.h"
#include "search/selection/VirtualLexList.h"

struct LexViewInfo {
  std::shared_ptr<VirtualLex> lexicon;
  uint8_t selected = 0;  // 1 while this entry holds one use of the lexicon
  std::string path;      // recognises the lexicon after the list changes
};

class VirtualLexListView {
 public:
  explicit VirtualLexListView(VirtualLexList& lexiconList = VirtualLexList::Instance());
  ~VirtualLexListView();
  VirtualLexListView(const VirtualLexListView&) = delete;
  VirtualLexListView& operator=(const VirtualLexListView&) = delete;

  // One entry per lexicon of the list, selected when its header's default flag is set.
  void BuildEntries();
  // Called by the list after a scan or a removal: rebuilds the entries, keeping the selected
  // state of every lexicon still there; lexicons new to the list take their default.
  void OnListChanged();
  std::vector<LexViewInfo>::iterator Find(const std::string& path);
  int32_t CountSelected() const;
  // Makes this selection the default of every later one by rewriting each lexicon's header.
  void ApplyFlags();
  void DeleteLexicons(const std::vector<std::string>& paths);

  // Whoever sets an entry's `selected` from 0 to 1 acquires its lexicon (VirtualLex::Use), and
  // whoever clears it releases it.
  std::vector<LexViewInfo> entries;
  VirtualLexList* list;
  VirtualLex subsetLexicon;
  uint8_t attached = 1;  // 0 once the list is gone

 private:
  using Choices = std::vector<std::pair<std::string, uint8_t>>;
  void BuildEntriesKeeping(const Choices& choices);
};
