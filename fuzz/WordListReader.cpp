// Any bytes as a word list, read through the reader's buffered batches of lines and checked
// against the same lines cut from the whole text at once: the words, in order, and each one
// valid with the counts it comes with.

#include <sys/mman.h>
#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "foundation/CharClass.h"
#include "lexbuild/WordListReader.h"

namespace {

struct MemoryFile {
  int fd;
  std::string path;
};

const MemoryFile& ListFile() {
  static const MemoryFile file = [] {
    const int fd = memfd_create("word-list", 0);
    return MemoryFile{fd, "/proc/self/fd/" + std::to_string(fd)};
  }();
  return file;
}

std::vector<std::string> WordsOfWholeText(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<std::string> words;
  while (!text.empty()) {
    const size_t end = std::min(text.find('\n'), text.size());
    if (ListWord word; WordOfLine(text.substr(0, end), word)) words.push_back(word.text);
    text.remove_prefix(std::min(end + 1, text.size()));
  }
  return words;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  // Repeated, the input also crosses the reader's buffer boundaries.
  std::string text(reinterpret_cast<const char*>(data), size);
  if (!text.empty() && text[0] == '*') {
    const std::string once = text.substr(1);
    while (text.size() < 70000 && !once.empty()) text += once;
  }
  const MemoryFile& file = ListFile();
  if (ftruncate(file.fd, 0) != 0 ||
      pwrite(file.fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())) {
    return 0;
  }
  WordListReader reader(file.path);
  std::vector<std::string> words;
  for (std::string lines; reader.NextLines(lines);) {
    if (!lines.ends_with('\n')) abort();
    WordListReader::ForEachWord(lines, [&words](const ListWord& word) {
      if (word.letters != ValidWordLength(word.text.c_str()) || word.letters == 0 ||
          word.marks != CountMarks(word.text.c_str()) ||
          word.text.size() != static_cast<size_t>(word.letters + word.marks)) {
        abort();
      }
      words.push_back(word.text);
    });
  }
  if (words != WordsOfWholeText(text)) abort();
  if (reader.Position() != static_cast<int64_t>(text.size())) abort();
  return 0;
}
