#include "support/LexiconFiles.h"

#include "search/lexicon/CompressDictionary.h"
#include "search/lexicon/LexiconWordStream.h"
#include "search/lexicon/VirtualLex.h"

namespace {

const uint8_t* Bytes(const std::string& s) { return reinterpret_cast<const uint8_t*>(s.data()); }

std::vector<std::string> DecodeAll(const uint8_t* data, size_t size) {
  LexiconWordStream stream(data, size);
  stream.Seek(1, 0);
  std::vector<std::string> words;
  for (std::string word; stream.Next(word);) words.push_back(word);
  return words;
}

}  // namespace

std::string WriteLexicon(const std::string& path, const std::vector<std::string>& words) {
  CompressDictionary writer(path);
  for (const std::string& word : words) writer.AddWord(word);
  writer.Close();
  return path;
}

std::vector<std::string> DecodeAll(const std::string& fileBytes) {
  return DecodeAll(Bytes(fileBytes), fileBytes.size());
}

std::vector<std::string> DecodeAll(const LexImage& image) {
  return DecodeAll(image.Data(), image.Size());
}

uint32_t IndexEntry(const std::string& fileBytes, int letterCount, int column) {
  return ReadU32(Bytes(fileBytes) + ((letterCount - 1) * kIndexColumns + column) * 4);
}

DictionaryHeader HeaderOf(const std::string& fileBytes) {
  return DecodeHeader(Bytes(fileBytes) + kHeaderOffset);
}
