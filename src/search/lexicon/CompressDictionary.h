#pragma once
// Writes a compiled lexicon in one sequential pass from words that arrive in lexicon order:
// front-codes each word against the one before, drops byte-identical repeats, and builds the
// index in memory, writing it with the header over the file's start on Close.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/File.h"
#include "search/lexicon/LexiconFormat.h"

// Creates (or truncates) path as an empty lexicon of kWordStreamOffset bytes.
// Throws SorvaneException when the file cannot be created or written.
void CreateEmptyLexicon(const std::string& path);

class CompressDictionary {
 public:
  // Starts from an empty lexicon at path. Throws SorvaneException when it cannot be created.
  explicit CompressDictionary(const std::string& path);
  // Finishes the file when Close was not called (unless a write failed); a failure then goes
  // unreported.
  ~CompressDictionary();
  CompressDictionary(const CompressDictionary&) = delete;
  CompressDictionary& operator=(const CompressDictionary&) = delete;

  // Stores the word; a repeat of the previous word is dropped. A word that cannot take its place
  // in the index (invalid, first letter not folding to a-z, or behind the words already written
  // in letter count or first letter) throws SorvaneException and leaves the file as it was.
  bool AddWord(const std::string& word);
  // Whether AddWord would take the word rather than refuse it. A copy of a lexicon asks it of
  // each word read, since only damage brings a word the writer refuses.
  bool Takes(const std::string& word) const;
  // Writes index and header and closes the file. A failed write, here or in an earlier AddWord,
  // throws SorvaneException WriteFailureText(path); after one the writer adds nothing more
  // and never finishes the file.
  void Close();

 private:
  void WriteWord(const std::string& word, int letters, int marks, int shared);
  void SetEntry(int letterCount, char firstLetter, uint32_t offset);
  // Bytes gather in the writer's own buffer: a stream call for each word cost more than the
  // word's copy.
  void WriteByte(uint8_t byte);
  void Write(const char* bytes, size_t count);
  void Flush();
  bool Fits(const std::string& word, int letters) const;

  static constexpr size_t kWordBufferBytes = 65536;

  std::string path;
  std::string previousWord;
  File file;
  std::unique_ptr<char[]> wordBuffer;
  size_t buffered = 0;
  int currentLetterCount = 1;  // the index row being filled
  int previousLetterCount = 0;
  uint32_t position = kWordStreamOffset;  // where the next byte goes
  std::array<uint32_t, kIndexEntries> index{};
  uint32_t wordCount = 0;
  DictionaryHeader header;
  char currentFirstLetter = 'a';  // the last index column filled in the current row
  bool closed = false;
  bool failed = false;  // a write failed: the file is not to be finished
};
