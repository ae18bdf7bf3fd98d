#pragma once
// Turns the library's text output of a relation search into short entries: per sense of a word
// form, one line of related words. Each parser appends to entries and returns how many it
// appended; each ends on any text, also one cut off anywhere.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

struct crossRefWordItem {
  int32_t sense;     // the sense block the entry came from; -1 for see-also entries
  std::string text;  // shaped by the relation's parser
};

using RelationParser = int32_t (*)(const std::string& text, const std::string& marker,
                                   const std::string& word,
                                   std::vector<crossRefWordItem>& entries);

// Finds the next "Sense n" header at or after pos: leaves pos at the number and lineEnd at the
// line break after it (npos when the text ends on the header line) and returns n; -1 when
// there is no further header.
int32_t NextSense(size_t& pos, size_t& lineEnd, const std::string& text);

// Removes from a comma-separated line every member equal to word, case ignored, keeping the
// others separated by ", ".
void RemoveWordFromList(std::string& line, const std::string& word);

// The synonyms of each sense: the first line after its header, less the word itself.
int32_t ParseSynonyms(const std::string& text, const std::string& marker,
                      const std::string& word, std::vector<crossRefWordItem>& entries);
// The texts after the marker lines of each sense, joined with ", " and ended with ". ".
int32_t ParsePointerLines(const std::string& text, const std::string& marker,
                          const std::string& word, std::vector<crossRefWordItem>& entries);
// The text from each marker up to the next '#', untrimmed, with sense -1.
int32_t ParseSeeAlso(const std::string& text, const std::string& marker,
                     const std::string& word, std::vector<crossRefWordItem>& entries);
