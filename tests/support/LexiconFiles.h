#pragma once
// Small lexicons for tests, written with the real writer and read back with the checked decoder.

#include <cstdint>
#include <string>
#include <vector>

#include "search/lexicon/LexiconFormat.h"

// Writes the words (in lexicon order) as a lexicon at path and returns the path.
std::string WriteLexicon(const std::string& path, const std::vector<std::string>& words);
class LexImage;

// Every word stored in the file's bytes (or an image of them), in stored order.
std::vector<std::string> DecodeAll(const std::string& fileBytes);
std::vector<std::string> DecodeAll(const LexImage& image);
// The index entry of letterCount and column (0 = a) in the file's bytes.
uint32_t IndexEntry(const std::string& fileBytes, int letterCount, int column);
DictionaryHeader HeaderOf(const std::string& fileBytes);
