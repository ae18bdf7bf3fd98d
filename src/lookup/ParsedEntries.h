#pragma once
// The library parses a synset or an index entry afresh every time it reads one, and a key-word
// test reads the same ones again and again: each sense of a word once for the searches
// available, once for its overview and once per relation searched, the same hypernyms for
// thousands of words, and every synset parsed looks each of its words up in the index. The
// program supplies the library's read_synset, index_lookup and free_synset, which it calls by
// name, as it does bin_search (a program linked with the library's archive takes a copy of it
// in which the program's win). While a key-word search runs, the first read of an entry is
// parsed by the library and kept, and each later read gets a copy of it that the library's
// free functions free as they free a parse. The files cannot change while the program runs, so
// the copy holds what a fresh parse would give.

#include <cstddef>

// Held by each key-word search: entries are kept while one is held, and forgotten when the
// last is let go.
class ParsedEntriesKept {
 public:
  ParsedEntriesKept();   // with WordNetLock held
  ~ParsedEntriesKept();  // takes WordNetLock
  ParsedEntriesKept(const ParsedEntriesKept&) = delete;
  ParsedEntriesKept& operator=(const ParsedEntriesKept&) = delete;
};

// Whether entries may be kept: only while the library reads its files from memory, so that
// the old path can still be measured. Called with WordNetLock held.
void AllowKeepingParsedEntries(bool allowed);

// The bytes the kept entries hold, for tests; with WordNetLock held.
size_t ParsedEntriesBytes();
