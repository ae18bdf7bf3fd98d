#pragma once
// The library finds a line of its sorted files by its first word with a binary search that
// seeks and reads through stdio at every step: the first words of each synset read from a data
// file are looked up again in the index, so a key-word test spent most of its time there. The
// program supplies that search to the library (which calls it by name, whether linked whole
// into a program or loaded as a shared library), taking the very same steps but reading the
// bytes of a file served from memory directly.

#include <cstdio>
#include <string_view>

// From now on a search of stream reads bytes instead: the stream's own bytes, mapped, which
// must outlive it. The stream is left where the library's search would leave it; every other
// stream is searched through stdio as before. Called with WordNetLock held.
void SearchLinesInMemory(FILE* stream, std::string_view bytes);
