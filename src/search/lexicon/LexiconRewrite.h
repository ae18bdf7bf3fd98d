#pragma once
// Adding one word to a compiled lexicon or removing one from it. A lexicon cannot be edited in
// place, so it is copied through a temporary lexicon with the word inserted or left out, and the
// copy then takes its place while the previous file becomes its "lxb" backup.

#include <cstdint>
#include <functional>
#include <string>

// What LexiconRewrite answers.
enum RewriteResult : int32_t {
  kRewriteNotInstalled = -1,  // the copy could not replace the lexicon; the user has been told
  kRewriteDone = 0,
  kRewriteAlreadyHeld = 1,  // add: the lexicon holds the word exactly; nothing changed
  kRewriteNotHeld = 2,      // remove: the lexicon does not hold the word exactly; nothing changed
  kRewriteCancelled = 6,    // the lexicon is unchanged
  kRewriteEmptied = 7,      // remove: the word was the only one; the lexicon is left for the
                            // caller to remove from the list and the folder
};

// The running job's side of a copy: asked after every word whether to stop (a pause takes effect
// there), and told the percentage done.
struct RewriteControl {
  std::function<bool()> shouldStop = [] { return false; };
  std::function<void(int32_t)> setProgress = [](int32_t) {};
};

// Adds (remove false) or removes the word. Adding to a path where no file exists starts a new
// lexicon there, whose compile time is the time of the add. On kRewriteDone the lexicon keeps its
// compile time and default flag, and its modification time is now. Whatever the answer, no
// temporary file remains and an unchanged lexicon is byte for byte what it was. Files that cannot
// be read or written, a file that is no lexicon and a lexicon whose words cannot all be read
// (Dictionary::CheckReadWhole) throw SorvaneException, leaving the lexicon as it was.
int32_t LexiconRewrite(const std::string& path, const std::string& word, bool remove,
                       const RewriteControl& control = {});

// The two copies: the lexicon at path, with the word inserted in its place or every stored word
// equal to it byte for byte left out, written as a lexicon at copyPath. Each answers kRewriteDone,
// kRewriteCancelled or (removal only) kRewriteEmptied; the copy is complete only on kRewriteDone.
// A lexicon that could not be read whole throws as Dictionary::CheckReadWhole does.
int32_t AddWordToLexicon(const std::string& path, const std::string& word,
                         const std::string& copyPath, const RewriteControl& control);
int32_t RemoveWordFromLexicon(const std::string& path, const std::string& word,
                              const std::string& copyPath, const RewriteControl& control);
