// Any bytes as a compiled lexicon, walked by cursors over the image and over the file. With a
// first byte of 0 the rest is the whole file; otherwise the rest is a word stream behind an index
// whose entries the bytes scatter over it, so that the walks reach deep into the stream.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "search/lexicon/Dictionary.h"
#include "search/lexicon/LexiconFormat.h"

namespace {

std::vector<uint8_t> LexiconBytes(const uint8_t* data, size_t size) {
  if (data[0] == 0) return std::vector<uint8_t>(data + 1, data + size);
  const size_t streamSize = size - 1;
  std::vector<uint8_t> bytes(kWordStreamOffset);
  for (size_t entry = 0; entry < kIndexEntries; ++entry) {
    const size_t spread = data[1 + entry % streamSize] * 131 + entry * 7;
    WriteU32(bytes.data() + 4 * entry,
             static_cast<uint32_t>(kWordStreamOffset + spread % (streamSize + 2)));
  }
  EncodeHeader(DictionaryHeader{}, bytes.data() + kHeaderOffset);
  bytes.insert(bytes.end(), data + 1, data + size);
  return bytes;
}

void Walk(Dictionary& cursor) {
  SrcLetters blanks;
  blanks.Set("abce?s");
  SrcLetters unlimited;
  unlimited.Set("Ab");
  const struct {
    const char* pattern;
    const SrcLetters* from;
  } searches[] = {{"*", nullptr},   {"b*", nullptr},   {"?a*", nullptr}, {"[a-c]? *", nullptr},
                  {"*", &blanks},   {"*", &unlimited}, {"c*", &blanks}};
  for (const auto& search : searches) {
    const char* word = nullptr;
    uint8_t code = cursor.FindNext(&word, search.pattern, search.from, 0, 0);
    while (code == Dictionary::kFound) code = cursor.FindNext(&word, nullptr, nullptr, 0, 0);
  }
}

// The file cursor reads a file in memory through its path, so no disk is touched.
struct MemoryFile {
  int fd;
  std::string path;
};

const MemoryFile& LexiconFile() {
  static const MemoryFile file = [] {
    const int fd = memfd_create("lexicon", 0);
    return MemoryFile{fd, "/proc/self/fd/" + std::to_string(fd)};
  }();
  return file;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 2) return 0;
  std::vector<uint8_t> bytes = LexiconBytes(data, size);

  const MemoryFile& file = LexiconFile();
  if (ftruncate(file.fd, 0) == 0 &&
      pwrite(file.fd, bytes.data(), bytes.size(), 0) == static_cast<ssize_t>(bytes.size())) {
    Dictionary inFile(file.path);
    Walk(inFile);
  }

  bytes.push_back(0xFF);
  Dictionary inMemory(std::make_shared<const LexImage>(std::move(bytes)));
  Walk(inMemory);
  return 0;
}
