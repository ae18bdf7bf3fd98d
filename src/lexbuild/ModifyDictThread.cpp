#include "lexbuild/ModifyDictThread.h"

#include "foundation/CharClass.h"
#include "foundation/FileOps.h"
#include "foundation/ProgressDialog.h"
#include "platform/Cp1252.h"
#include "search/lexicon/LexiconRewrite.h"
#include "search/selection/VirtualLexList.h"

ModifyDictThread::ModifyDictThread(std::string word, std::string lexiconPath, bool remove)
    : mWord(std::move(word)), mLexiconPath(std::move(lexiconPath)), mRemove(remove) {}

// The members must outlive the worker that reads them.
ModifyDictThread::~ModifyDictThread() { Worker().WaitFor(); }

void ModifyDictThread::Execute() {
  RewriteControl control;
  control.shouldStop = [this] { return ShouldStop(); };
  control.setProgress = [this](int32_t percent) { SetProgress(percent); };
  // A failure escapes to the job's reporter: its box, and the result -1.
  result = static_cast<int8_t>(LexiconRewrite(mLexiconPath, mWord, mRemove, control));
}

std::string InvalidWordText(const std::string& word) {
  if (word.find('\0') == std::string::npos && ValidWordLength(word.c_str()) != 0) return {};
  return Cp1252::ToUtf8(word) + " is not a valid Sorvane word.";
}

int32_t RunModifyDict(const std::string& word, const std::string& lexiconPath, bool remove,
                      VirtualLexList& list, const void* owner) {
  ProgressDialog dialog(owner, std::make_unique<ModifyDictThread>(word, lexiconPath, remove));
  dialog.SetMessage(remove ? "Removing Word" : "Adding Word");
  dialog.Start();
  // Start has waited for the worker: the outcome is final.
  if (dialog.WasCancelled()) return kRewriteCancelled;
  const int32_t result = dialog.GetResult();
  if (result != kRewriteEmptied) return result;
  // Retired as the list retires a lexicon: its file becomes the "lxb" backup.
  const auto& records = list.Records();
  if (FindLexiconByPath(records.begin(), records.end(), lexiconPath) != records.end()) {
    list.RemoveLexicon(lexiconPath, true);
  } else {
    BackupFile(lexiconPath);
  }
  return result;
}
