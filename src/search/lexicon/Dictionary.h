#pragma once
// A forward-only cursor over one compiled lexicon. Each FindNext returns the next stored word
// that fits a FIND pattern, optional FROM letters, a minimum letter count and a first letter.
// The lexicon's index skips straight to the first letter count and first letter that can match,
// and the walk stops as soon as no later word can. It reads a whole-file image in memory (every
// search) or the file itself (look-ups, rewrites, merges).
//
// Nothing read from the lexicon is trusted: a damaged or truncated one ends early, as if its
// word stream ended there, and no read leaves the image or the file.
//
// A cursor serves one search on one thread; Cancel and the search's stop token may be set from
// any other thread.

#include <array>
#include <atomic>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "foundation/File.h"
#include "foundation/CharClass.h"
#include "search/lexicon/ImageWord.h"
#include "search/lexicon/LexiconFormat.h"
#include "search/pattern/RegExp.h"
#include "search/pattern/SrcLetters.h"
#include "search/lexicon/VirtualLex.h"

class Dictionary {
 public:
  enum Result : uint8_t {
    kFound = 0,
    kNoMoreWords = 2,  // the end of the lexicon, or no later word can match
    kCancelled = 3,
    kEmptyPattern = 5,
  };
  static constexpr int32_t kFileBufferSize = 5120;

  // Reads the lexicon's image as it is loaded now, and holds it while the cursor lives, so that
  // a rescan or a release cannot free it under a search. A lexicon without an image (its load
  // failed) reads as an empty lexicon, as does an image too short to hold an index.
  explicit Dictionary(const VirtualLex& lexicon);
  explicit Dictionary(std::shared_ptr<const LexImage> image);
  // Opens the file; a missing one throws SorvaneException. A file too short to hold its index
  // and header reads as an empty lexicon.
  explicit Dictionary(const std::string& path);
  Dictionary(const Dictionary&) = delete;
  Dictionary& operator=(const Dictionary&) = delete;

  // The first call of a search passes the pattern (an invalid one throws RegExpException);
  // later calls pass null and go on from where the last one stopped. minLetters 0 means no
  // minimum; firstLetter 0 means the pattern's first character. On kFound, *word points at the
  // word until the next call.
  uint8_t FindNext(const char** word, const char* pattern, const SrcLetters* from,
                   int32_t minLetters, char firstLetter);
  // Whether the lexicon holds the word: byte for byte, or with anyForm in any form the word
  // matches as a pattern (case, accents and marks aside: "dont" finds "don't"). A word breaking
  // the word rules is held by no lexicon. Starts a search of its own, so one cursor serves any
  // number of look-ups; it leaves the matcher case-blind.
  bool Contains(const std::string& word, bool anyForm);
  // The next FindNext answers kCancelled (once). Callable from any thread.
  void Cancel() { cancelled.store(true, std::memory_order_relaxed); }
  // A stop shared by every cursor of one search: once set, every FindNext answers kCancelled.
  // The cursor only reads it; the search owns it and it must outlive the cursor.
  void SetStopToken(const std::atomic<bool>* token) { searchStop = token; }

  // The matcher, so that a search can choose its case sensitivity.
  RegExp& Matcher() { return matcher; }
  // The letter count of the word being read.
  int32_t CurrentLetterCount() const { return walk.letterCount; }
  // Letters and marks of the word last returned.
  int32_t LastWordLength() const { return lastWordLength; }
  // The word count of the lexicon's header, for progress.
  uint32_t WordCount() const { return wordCount; }
  // The cursor's own FROM letters (with the state of the last word tried), or null.
  const SrcLetters* Letters() const { return letters.get(); }
  const std::string& Path() const { return path; }
  // Words decoded since construction, matching or not: the work a search has done.
  uint64_t WordsRead() const { return wordsRead; }
  // Throws SorvaneException naming the file unless it (or the image) holds an index and a header
  // with the lexicon's magic.
  void CheckLexicon() const;
  // For a writer that copies every word, once the cursor's one walk (the pattern "*") has ended:
  // throws SorvaneException naming the file when it is no lexicon, or when its words did not
  // decode to exactly the header's word count, ending at the file's end. A search may read what
  // a damaged lexicon holds; a copy of part of one would lose the rest.
  void CheckReadWhole() const;
  // Throws what CheckReadWhole throws for a lexicon whose words cannot all be read: for a copy
  // that meets a word its writer refuses, which only damage brings.
  [[noreturn]] void ThrowDamaged() const;

 private:
  // '&', a word of at most 30 letters and 7 marks, '@' and a NUL.
  static constexpr size_t kWordBufferSize = 1 + MaxWordLength + MaxWordMarks + 2;
  static_assert(1 + kMaxShared + kTailCopy <= kWordBufferSize, "a tail copy fits the buffer");

  void MoveTo(int32_t count, int column, size_t lowest);
  void JumpTo(int32_t count, int column);
  bool ReadWord();
  bool EndOfData();
  int ReadByte();
  bool ReadBytes(size_t offset, size_t count);
  int ReadFileByte();
  bool ReadFileBytes(size_t offset, size_t count);
  bool SkipRefusedWords(bool& matched);
  bool OutsideFirstLetters(char first) const;
  bool JumpToFirstLetterAfter(int column);
  bool SkipToNextLetter();
  bool StopPending() const;
  bool StopRequested();

  std::atomic<bool> cancelled{false};  // set by Cancel, cleared when reported
  const std::atomic<bool>* searchStop = nullptr;
  const bool inMemory;
  std::shared_ptr<const LexImage> image;  // memory mode
  const uint8_t* startOfLex = nullptr;    // memory mode
  size_t dataLength = 0;                  // bytes of the image or the file
  File file;                              // file mode
  bool atEnd = true;                      // no word left until the next seek
  WordWalk walk;
  int32_t lastWordLength = 0;
  // When the word before failed the FROM letters at character n (from 1), n; otherwise 0.
  int32_t unspellablePrefix = 0;
  bool patternStartsWithLetter = false;
  // The first letters (bit 0 for a) the pattern can begin with; words of other first letters
  // are jumped over by the index.
  uint32_t firstLetters = LetterPattern::kEveryFirstLetter;
  bool matchAll = true;  // the pattern is exactly "*"
  uint32_t wordCount = 0;
  uint64_t wordsRead = 0;
  bool isLexicon = false;
  bool endedAtDataEnd = false;  // the walk last ended where the data ends
  RegExp matcher{"*"};
  std::string patternText;
  // Keeps the previous word's bytes in front of each new tail, which front-coding relies on.
  std::array<char, kWordBufferSize> buffer{'&'};
  const uint8_t* index = nullptr;  // 780 little-endian offsets; null when unreadable
  std::vector<uint8_t> indexCopy;  // file mode
  std::unique_ptr<SrcLetters> letters;
  std::string path;
};
