#pragma once
// The installed lexicons: the ".lex" files of the Lexicons folder, kept sorted by path, and the
// selections that watch them and are told of every change.

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/lexicon/VirtualLex.h"

// What watches the list: told after every change, and once when the list itself goes.
class LexiconListListener {
 public:
  virtual void OnListChanged() = 0;
  // The list is being destroyed: the listener must not touch it afterwards.
  virtual void OnListGone() = 0;

 protected:
  ~LexiconListListener() = default;
};

class VirtualLexList {
 public:
  // Records are shared with the selections and the searches that read them, so a rescan or a
  // removal never pulls a record or its image from under a holder.
  using RecordList = std::vector<std::shared_ptr<VirtualLex>>;

  // The program's one list, made on first use: the application folders are set up and the
  // Lexicons folder is scanned. Main thread only.
  static VirtualLexList& Instance();
  // An empty list that has not scanned yet; Instance() makes the program's, tests their own.
  VirtualLexList() = default;
  // Detaches every selection still watching, so that they leave the list alone afterwards.
  ~VirtualLexList();
  VirtualLexList(const VirtualLexList&) = delete;
  VirtualLexList& operator=(const VirtualLexList&) = delete;

  // Rebuilds the records from the "*.lex" files of the "Folder-Lexicons" setting, warns about
  // files it cannot use, and tells the listeners.
  void ScanLexiconFolder();
  // The same over the given lexicon files (the scan of a folder lists them first).
  void ScanFiles(const std::vector<std::string>& paths);
  void AddListener(LexiconListListener* listener);
  void RemoveListener(LexiconListListener* listener);
  void NotifyListeners();
  // Retires the lexicon's file to its "lxb" backup and drops its record. Throws SorvaneException
  // "Unable to find Lexicon: " + path for a path not in the list. False when the backup failed
  // (its box has told the user): the file and the record then stay.
  bool RemoveLexicon(const std::string& path, bool notify);
  // Removes each path, then tells the listeners once (also when a path was not found).
  void RemoveLexicons(const std::vector<std::string>& paths);

  const RecordList& Records() const { return records; }
  // The Lexicons folder of the last scan, ending in '/'.
  const std::string& Folder() const { return folder; }

 private:
  RecordList records;
  std::string folder;
  std::vector<LexiconListListener*> listeners;
  uint8_t warnInvalid = 1;  // the invalid-files warning is shown once a run
};

// The first record in [first, last) whose path is exactly path, or last.
template <typename Iterator>
Iterator FindLexiconByPath(Iterator first, Iterator last, const std::string& path) {
  return std::find_if(first, last, [&](const auto& record) { return record->path == path; });
}

// A warning about one lexicon, with the lexicon list's caption.
void ShowLexiconWarning(const std::string& text);
