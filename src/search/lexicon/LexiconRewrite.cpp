#include "search/lexicon/LexiconRewrite.h"

#include <ctime>

#include "foundation/CharClass.h"
#include "foundation/FileWriteLock.h"
#include "foundation/OwnedTempFiles.h"
#include "platform/FileSys.h"
#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/Dictionary.h"
#include "search/lexicon/InstallLexicon.h"
#include "search/lexicon/VirtualLex.h"

namespace {

// Removes a file on every way out of a scope unless told to keep it.
class RemoveOnExit {
 public:
  explicit RemoveOnExit(std::string filePath) : path(std::move(filePath)) {}
  ~RemoveOnExit() {
    if (!keep && FileSys::Current().Exists(path)) FileSys::Current().Remove(path);
  }
  RemoveOnExit(const RemoveOnExit&) = delete;
  RemoveOnExit& operator=(const RemoveOnExit&) = delete;
  void Keep() { keep = true; }

 private:
  std::string path;
  bool keep = false;
};

// Percent of a copy done, in 64 bits so that no count overflows it and no damaged word count
// divides by zero.
int32_t Percent(uint64_t done, uint32_t wordCount) {
  return static_cast<int32_t>(done * 100 / (uint64_t{wordCount} + 1));
}

// The copy takes the lexicon's compile time and default flag, and now as its modification time,
// before it replaces the lexicon, so that the lexicon is never seen with a header of the wrong
// times and a failure here leaves it untouched.
void CarryHeaderOver(const std::string& path, const std::string& copyPath) {
  VirtualLex lexicon(path);
  lexicon.ReadHeader();
  VirtualLex copy(copyPath);
  copy.ReadHeader();
  copy.header.compileTime = lexicon.header.compileTime;
  copy.header.modifyTime = static_cast<uint32_t>(std::time(nullptr));
  copy.header.defaultFlag = lexicon.header.defaultFlag;
  copy.WriteHeader();
}

}  // namespace

int32_t LexiconRewrite(const std::string& path, const std::string& word, bool remove,
                       const RewriteControl& control) {
  const FileWriteLock lock(path, control.shouldStop);
  if (!lock.Granted()) return kRewriteCancelled;
  FileSys& fileSys = FileSys::Current();
  RemoveOnExit newLexicon(path);
  if (!remove && !fileSys.Exists(path)) {
    CreateEmptyLexicon(path);
  } else {
    newLexicon.Keep();  // the lexicon was there before: never removed here
  }
  bool held = false;
  {
    Dictionary cursor(path);
    // A file that is no lexicon is never taken for an empty one and replaced.
    cursor.CheckLexicon();
    held = cursor.Contains(word, false);
  }
  if (!remove && held) return kRewriteAlreadyHeld;
  if (remove && !held) return kRewriteNotHeld;

  // A path of this rewrite's own, so that rewrites on other threads never share one.
  OwnedTempFiles working;
  const std::string copyPath = working.Claim("");
  const int32_t result = remove ? RemoveWordFromLexicon(path, word, copyPath, control)
                                : AddWordToLexicon(path, word, copyPath, control);
  if (result != kRewriteDone) return result;
  // A cancel that came after the last word still finds the lexicon as it was.
  if (control.shouldStop()) return kRewriteCancelled;
  CarryHeaderOver(path, copyPath);
  const bool installed = InstallLexicon(copyPath, path);
  // Moved into place or removed by the install: either way its name is free again, and may
  // already be another program's.
  working.GiveUp(copyPath);
  if (!installed) return kRewriteNotInstalled;
  newLexicon.Keep();
  return kRewriteDone;
}

int32_t AddWordToLexicon(const std::string& path, const std::string& word,
                         const std::string& copyPath, const RewriteControl& control) {
  CompressDictionary writer(copyPath);
  Dictionary cursor(path);
  bool pending = true;
  uint64_t read = 0;
  const char* stored = nullptr;
  for (uint8_t code = cursor.FindNext(&stored, "*", nullptr, 0, 0); code == Dictionary::kFound;
       code = cursor.FindNext(&stored, nullptr, nullptr, 0, 0)) {
    if (control.shouldStop()) return kRewriteCancelled;
    if (!writer.Takes(stored)) cursor.ThrowDamaged();
    // Among words the lexicon order holds equal, the new one goes first.
    if (pending && CompareWordStrings(stored, word) >= 0) {
      writer.AddWord(word);
      pending = false;
    }
    writer.AddWord(stored);
    control.setProgress(Percent(++read, cursor.WordCount()));
  }
  cursor.CheckReadWhole();
  if (pending) writer.AddWord(word);
  writer.Close();
  return kRewriteDone;
}

int32_t RemoveWordFromLexicon(const std::string& path, const std::string& word,
                              const std::string& copyPath, const RewriteControl& control) {
  CompressDictionary writer(copyPath);
  Dictionary cursor(path);
  uint64_t kept = 0;
  const char* stored = nullptr;
  for (uint8_t code = cursor.FindNext(&stored, "*", nullptr, 0, 0); code == Dictionary::kFound;
       code = cursor.FindNext(&stored, nullptr, nullptr, 0, 0)) {
    if (control.shouldStop()) return kRewriteCancelled;
    if (word == stored) continue;
    if (!writer.Takes(stored)) cursor.ThrowDamaged();
    writer.AddWord(stored);
    control.setProgress(Percent(++kept, cursor.WordCount()));
  }
  cursor.CheckReadWhole();
  writer.Close();
  return kept == 0 ? kRewriteEmptied : kRewriteDone;
}
