#pragma once
// A copy of one of the program folder's tools in a fresh folder, run as its own process: its Temp
// folder is the one beside it, and its settings store lies in the folder too, so nothing of the
// user's is read or written. Two lexicons of the Debian word lists' plain words are there for it
// to search.

#include <functional>
#include <string>

#include "support/TempFolder.h"

class ToolCopy {
 public:
  explicit ToolCopy(const std::string& tool = "lexicon-tool");

  // Whether the word lists were there to build a.lex and b.lex from.
  bool HasLexicons() const { return hasLexicons; }
  // Runs a shell command in the folder, with the tool's environment; the tool's name there
  // names the copy. Returns what std::system returns.
  int Run(const std::string& command) const;
  // Runs the command, waits until working() holds, then sends it the signal; the wait status, or
  // -1 when working() never held within a minute.
  int RunInterrupted(const std::string& command, const std::function<bool()>& working,
                     int signal) const;
  // Whether the Temp folder holds a file of that extension ("" for none).
  bool TempFolderHolds(const std::string& extension) const;
  bool TempFolderIsEmpty() const;
  const TempFolder& Folder() const { return folder; }

 private:
  TempFolder folder;
  bool hasLexicons = false;
};
