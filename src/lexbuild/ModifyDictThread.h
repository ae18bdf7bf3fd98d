#pragma once
// Adds one word to a lexicon or removes one from it as a progress job. The job's result is the
// rewrite's answer (see LexiconRewrite), or -1 when it failed and has shown why.
//
// The job touches nothing but the lexicon's files: when the removal emptied the lexicon (7), the
// launcher removes it from the lexicon list on the main thread, once the worker has ended.

#include <string>

#include "foundation/ProgressThread.h"

class VirtualLexList;

class ModifyDictThread : public ProgressThread {
 public:
  ModifyDictThread(std::string word, std::string lexiconPath, bool remove);
  ~ModifyDictThread() override;

 protected:
  void Execute() override;

 private:
  const std::string mWord;
  const std::string mLexiconPath;
  const bool mRemove;
};

// The refusal of a word no lexicon can hold, as the dialog and the tool show it ("... is not a
// valid Sorvane word."); empty for a word the job may add or remove.
std::string InvalidWordText(const std::string& word);

// Runs the job under the progress dialog ("Adding Word" or "Removing Word") and answers its
// result once its worker has ended: the rewrite's code, -1 for a failure the job has shown, or
// kRewriteCancelled whenever the user cancelled. An emptied lexicon (7) has by then been removed
// from the list and the folder, its backup kept.
int32_t RunModifyDict(const std::string& word, const std::string& lexiconPath, bool remove,
                      VirtualLexList& list, const void* owner);
