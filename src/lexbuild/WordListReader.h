#pragma once
// Reads a plain word list and hands out the lines that are valid words. Lines end at LF; one
// CR before it and a UTF-8 byte-order mark at the start of the file are dropped; a line in UTF-8
// is converted to Windows-1252, any other is taken as Windows-1252 already. A line that holds a
// NUL or is longer than 254 bytes can be no word and is refused whole, never split.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/File.h"

struct ListWord {
  std::string text;  // trimmed, Windows-1252
  int letters = 0;
  int marks = 0;
};

// Whether the line (its LF already cut off) holds a valid word; if so, the word goes to word.
bool WordOfLine(std::string_view line, ListWord& word);

class WordListReader {
 public:
  static constexpr size_t kMaxLineBytes = 254;

  // Opens the list without waiting on it; anything but a regular file (a FIFO, a device, a
  // folder) is refused like a file that cannot be opened: SorvaneException "Unable to Open
  // File " + path.
  explicit WordListReader(const std::string& path);

  // The next valid word, or false at the end of the list. A failed read throws
  // SorvaneException "Unable to Read File " + path.
  bool Next(ListWord& word);
  // The size the file had when it was opened, and the bytes consumed so far (for progress;
  // the position may pass the length of a file that grows).
  int64_t Length() const { return length; }
  int64_t Position() const { return consumed; }

 private:
  // Fills the buffer; false at the end of the file.
  bool Refill();
  // The current line, complete up to its LF or the end of the file; false at the end.
  bool NextLine(std::string_view& line);

  std::string path;
  File file;
  int64_t length = 0;
  int64_t consumed = 0;
  std::vector<char> buffer;
  size_t start = 0;  // first unread byte of buffer
  size_t end = 0;    // end of the bytes in buffer
  std::string pending;   // the beginning of a line that runs past the buffer
  bool overlong = false;  // the line being read is past kMaxLineBytes
  bool atFileStart = true;
  bool atEnd = false;
};
