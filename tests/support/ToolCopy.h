#pragma once
// A copy of lexicon-tool in a fresh folder, run as its own process: its Temp folder is the one
// beside it, and its settings store lies in the folder too, so nothing of the user's is read or
// written. Two lexicons of the Debian word lists' plain words are there for it to search.

#include <string>

#include "support/TempFolder.h"

class ToolCopy {
 public:
  ToolCopy();

  // Whether the word lists were there to build a.lex and b.lex from.
  bool HasLexicons() const { return hasLexicons; }
  // Runs a shell command in the folder, with the tool's environment; "lexicon-tool" there
  // names the copy. Returns what std::system returns.
  int Run(const std::string& command) const;
  bool TempFolderIsEmpty() const;
  const TempFolder& Folder() const { return folder; }

 private:
  TempFolder folder;
  bool hasLexicons = false;
};
