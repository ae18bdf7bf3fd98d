#include "lookup/LineSearch.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "foundation/Arena.h"
#include "foundation/PointerTable.h"

namespace {

// The library's limits: the longest line it reads, and the longest first word it compares.
constexpr size_t kLineBytes = 25600;
constexpr size_t kKeyBytes = 1024;

// The line found, which the library's callers read after the search returns.
char line[kLineBytes];  // guarded by WordNetLock

// Where a search of a file in memory ended: the file's bytes never change, so a search for the
// same key ends there again. The key-word test looks the same words up thousands of times (every
// synset read looks its words up in the index).
struct Outcome {
  std::string_view key;  // the key searched for
  bool found = false;
  std::string_view lastLine;  // what the search left in line
  long lineOffset = 0;        // where that line begins, for the library's callers
  long position = 0;          // where the stream is left
};

struct MemoryFile {
  FILE* stream;
  std::string_view bytes;
  Arena memory;  // the outcomes and their keys
  PointerTable<Outcome> outcomes;
  size_t outcomeCount = 0;
};
// A file's outcomes are forgotten at this count, which a dictionary's index never reaches.
constexpr size_t kMaxOutcomes = size_t{1} << 20;

std::vector<MemoryFile>& MemoryFiles() {              // guarded by WordNetLock
  static auto& files = *new std::vector<MemoryFile>;  // never destroyed, as the streams are not
  return files;
}

// A line's first word: up to its first blank, as a C string ends at a zero byte. A line that
// begins with a blank has an empty first word; one with no blank, or too long a first word to
// compare, has none, which ends the search.
std::optional<std::string_view> FirstWord(std::string_view text) {
  for (size_t i = 0; i < text.size() && i < kKeyBytes; ++i) {
    if (text[i] == ' ') return text.substr(0, i);
    if (text[i] == '\0') break;
  }
  return std::nullopt;
}

// Reading a stream as the library did.
class StreamReader {
 public:
  explicit StreamReader(FILE* file) : stream(file) {}
  long Size() {
    std::fseek(stream, 0, SEEK_END);
    return std::ftell(stream);
  }
  void Seek(long offset) { std::fseek(stream, offset, SEEK_SET); }
  void SkipLine() {
    for (int c = std::getc(stream); c != '\n' && c != EOF;) c = std::getc(stream);
  }
  long Tell() { return std::ftell(stream); }
  // At the end of the file nothing is read and the line is left as it was.
  std::string_view ReadLine() {
    std::fgets(line, kLineBytes, stream);
    return line;
  }

 private:
  FILE* stream;
};

// Reading the same bytes in memory, with the stream's own rules at its ends.
class BytesReader {
 public:
  explicit BytesReader(std::string_view fileBytes) : bytes(fileBytes) {}
  long Size() {
    position = bytes.size();
    return static_cast<long>(bytes.size());
  }
  // A seek before the start fails and leaves the position where it was.
  void Seek(long offset) {
    if (offset >= 0) position = std::min(static_cast<size_t>(offset), bytes.size());
  }
  void SkipLine() {
    const size_t end = bytes.find('\n', position);
    position = end == std::string_view::npos ? bytes.size() : end + 1;
  }
  long Tell() { return static_cast<long>(position); }
  std::string_view ReadLine() {
    if (position >= bytes.size()) return lastLine;
    size_t count = std::min(bytes.size() - position, kLineBytes - 1);
    const size_t end = bytes.substr(position, count).find('\n');
    if (end != std::string_view::npos) count = end + 1;
    lastLine = bytes.substr(position, count);
    position += count;
    return lastLine;
  }

  size_t position = 0;
  std::string_view lastLine;

 private:
  std::string_view bytes;
};

// The library's steps: halve the span between top and bottom, read the first whole line after
// the middle, and stop at a line whose first word is the key or when the span is gone.
template <class Reader>
bool SearchLines(const char* key, Reader& reader, long& lineOffset) {
  long top = 0;
  long bottom = reader.Size();
  long middle = bottom / 2;
  for (;;) {
    reader.Seek(middle - 1);
    if (middle != 1) reader.SkipLine();
    lineOffset = reader.Tell();
    const std::optional<std::string_view> first = FirstWord(reader.ReadLine());
    if (!first) return false;
    const int order = first->compare(key);
    if (order == 0) return true;
    if (order < 0) {
      top = middle;
    } else {
      bottom = middle;
    }
    const long span = (bottom - top) / 2;
    middle = top + span;
    if (span == 0) return false;
  }
}

// Keys are looked up as the library passes them, without a string made for each.
const Outcome& SearchInMemory(MemoryFile& file, const char* key) {
  const std::string_view wanted(key);
  const uint64_t hash = std::hash<std::string_view>{}(wanted);
  const auto searchedFor = [wanted](const Outcome& outcome) { return outcome.key == wanted; };
  if (const Outcome* known = file.outcomes.Find(hash, searchedFor)) return *known;
  if (file.outcomeCount >= kMaxOutcomes) {
    file.outcomes.Clear();
    file.memory.Clear();
    file.outcomeCount = 0;
  }
  auto* keyCopy = static_cast<char*>(file.memory.Take(wanted.size()));
  std::copy(wanted.begin(), wanted.end(), keyCopy);
  auto* outcome = static_cast<Outcome*>(file.memory.Take(sizeof(Outcome)));
  *outcome = Outcome();
  outcome->key = std::string_view(keyCopy, wanted.size());
  BytesReader reader(file.bytes);
  outcome->found = SearchLines(key, reader, outcome->lineOffset);
  outcome->lastLine = reader.lastLine;
  outcome->position = static_cast<long>(reader.position);
  file.outcomes.Add(hash, outcome);
  ++file.outcomeCount;
  return *outcome;
}

}  // namespace

void SearchLinesInMemory(FILE* stream, std::string_view bytes) {
  MemoryFile& file = MemoryFiles().emplace_back();
  file.stream = stream;
  file.bytes = bytes;
}

// The library's own names: its other files call these and read the offset. Supplying all that
// they take from the library's file that holds its search keeps a program linked with the
// library's archive from taking that file as well.
extern "C" {

long last_bin_search_offset = 0;

char* bin_search(char* key, FILE* stream) {
  line[0] = '\0';
  for (MemoryFile& file : MemoryFiles()) {
    if (file.stream != stream) continue;
    const Outcome& outcome = SearchInMemory(file, key);
    std::memcpy(line, outcome.lastLine.data(), outcome.lastLine.size());
    line[outcome.lastLine.size()] = '\0';
    last_bin_search_offset = outcome.lineOffset;
    std::fseek(stream, outcome.position, SEEK_SET);
    return outcome.found ? line : nullptr;
  }
  StreamReader reader(stream);
  return SearchLines(key, reader, last_bin_search_offset) ? line : nullptr;
}

// Reads the line at offset, as the library's does; seldom called, so always through stdio.
char* read_index(long offset, FILE* stream) {
  line[0] = '\0';
  std::fseek(stream, offset, SEEK_SET);
  std::fgets(line, kLineBytes, stream);
  return line;
}

}  // extern "C"
