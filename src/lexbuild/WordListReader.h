#pragma once
// Reads a plain word list a batch of lines at a time and finds the lines that are valid words,
// so that the finding may be shared among threads. Lines end at LF; one CR before it and a
// UTF-8 byte-order mark at the start of the file are dropped; a line in UTF-8 is converted to
// Windows-1252, any other is taken as Windows-1252 already. A line that holds a NUL or is longer
// than 254 bytes can be no word and is refused whole, never split.

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
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
  static constexpr size_t kBatchBytes = 32768;

  // Opens the list without waiting on it; anything but a regular file (a FIFO, a device, a
  // folder) is refused like a file that cannot be opened: SorvaneException "Unable to Open
  // File " + path.
  explicit WordListReader(const std::string& path);

  // The next lines of the list, whole and each ending in LF, about kBatchBytes of them; a line
  // refused whole for its length is left out. False at the end of the list. A failed read
  // throws SorvaneException "Unable to Read File " + path. The words are found in them by
  // ForEachWord, which may run on another thread.
  bool NextLines(std::string& lines);
  // Calls take(const ListWord&) for each valid word of lines from NextLines, in order.
  template <typename Take>
  static void ForEachWord(std::string_view lines, Take&& take);
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
  size_t start = 0;       // first unread byte of buffer
  size_t end = 0;         // end of the bytes in buffer
  std::string pending;    // the beginning of a line that runs past the buffer
  bool overlong = false;  // the line being read is past kMaxLineBytes
  bool atFileStart = true;
  bool atEnd = false;
};

template <typename Take>
void WordListReader::ForEachWord(std::string_view lines, Take&& take) {
  ListWord word;
  while (!lines.empty()) {
    const size_t end = std::min(lines.find('\n'), lines.size());
    if (WordOfLine(lines.substr(0, end), word)) take(std::as_const(word));
    lines.remove_prefix(std::min(end + 1, lines.size()));
  }
}
