#pragma once
// Decodes the word stream of a compiled lexicon held in memory, starting where an index entry
// points. Every offset and count is checked against the data before it is used, so a damaged or
// truncated lexicon ends early instead of being read past its end.

#include <cstddef>
#include <cstdint>
#include <string>

class LexiconWordStream {
 public:
  // data holds the whole file, size bytes of it. The stream starts at the end until Seek.
  LexiconWordStream(const uint8_t* data, size_t size);

  // Moves to the index entry of letterCount (1-30) and column (0-25, first letters a-z), with
  // an empty previous word. An entry that points outside the word stream ends the stream.
  void Seek(int letterCount, int column);
  // The next stored word; false at the end of the data or where the data stops being sound.
  bool Next(std::string& word);
  // The letter count of the word last returned (or of the row sought).
  int LetterCount() const { return letterCount; }

 private:
  bool End();

  const uint8_t* data;
  size_t size;
  size_t position;
  int letterCount = 1;
  std::string current;  // the word last decoded, whose prefix the next word may share
};
