#pragma once
// Building a compiled lexicon from a plain word list: the whole chain behind the create tab of
// lexicon management and `lexicon-tool build`.
//
//   1. With check lexicons: one is used as it is; two or more are first merged into a temporary
//      lexicon ("Merging Lexicons").
//   2. "Validating and Sorting": the list's valid words go into sorted chunk files.
//   3. "Rebuilding Words": the chunks are merged into one sorted file.
//   4. "Creating Lexicon": the sorted words, less those a check lexicon holds, are written to a
//      temporary lexicon.
//   5. The temporary lexicon is installed at the target (an existing lexicon there becomes its
//      "lxb" backup), and the lexicon list is rescanned: the program's list scans its folder
//      again; a list made of given files takes the new lexicon among them.
//
// Each job runs under Host::RunJob with its progress dialog and is judged only after its worker
// has ended; a cancelled or failed job ends the chain (the job has shown its own box). Every
// working file of the chain (chunks, the sorted file, a merged check lexicon, the temporary
// lexicon) is gone on every way out. Main thread only.

#include <string>
#include <vector>

class VirtualLexList;

struct LexiconBuild {
  std::string wordListPath;
  std::string lexiconPath;  // the target, a full path
  // The lexicons whose words are left out of the new one; empty: every valid word goes in.
  std::vector<std::string> checkLexicons;
  // Leave a word out when a check lexicon holds it in any form (case, accents, marks), not only
  // byte for byte.
  bool strictChecking = false;
  const void* owner = nullptr;  // the window the progress dialogs belong to
};

// True once the new lexicon is installed and the list rescanned. The caller then tells the user
// of the success, marks the lexicon and selects it.
bool CreateLexiconFromFile(const LexiconBuild& build, VirtualLexList& list);
