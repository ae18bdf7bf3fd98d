#pragma once
// Last job of building a lexicon: reads the sorted file of sort records and writes its words,
// less those a check lexicon already holds, through the lexicon writer into a temporary lexicon.
// Installing that lexicon is the launcher's step, taken after the worker has ended and only when
// the job neither failed nor was cancelled.

#include <cstdint>
#include <string>

#include "foundation/ProgressThread.h"

class CompileLexThread : public ProgressThread {
 public:
  // count: the records in the sorted file, for progress. checkLexiconPath is read only when
  // check is set; strict leaves a word out when the check lexicon holds it in any form, not
  // only byte for byte. The lexicon is written at temporaryPath, which the launcher owns.
  CompileLexThread(const std::string& sortedPath, uint32_t count, bool strict, bool check,
                   const std::string& checkLexiconPath, const std::string& temporaryPath);

 protected:
  void Execute() override;

 private:
  std::string sortedPath;
  std::string checkLexiconPath;
  std::string temporaryPath;
  uint32_t count;
  bool strict;
  bool check;
};
