#include "search/lexicon/CompressDictionary.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ctime>

#include "foundation/FolderPaths.h"
#include "foundation/SorvaneException.h"

namespace {

constexpr int32_t kStreamBufferBytes = 2048;

uint32_t Now() { return static_cast<uint32_t>(std::time(nullptr)); }

// Opens path with a C mode, replacing the file wrapper's message by the writer's own.
void OpenWithMessage(File& file, const std::string& path, const char* mode,
                     const std::string& message) {
  try {
    file.Open(path, mode, kStreamBufferBytes);
  } catch (const SorvaneException&) {
    throw SorvaneException(message + path);
  }
}

[[noreturn]] void ThrowWriteFailure(const std::string& path) {
  throw SorvaneException(WriteFailureText(path));
}

// Index and header as they stand at the file's start.
std::array<uint8_t, kWordStreamOffset> EncodeFileStart(
    const std::array<uint32_t, kIndexEntries>& index, const DictionaryHeader& header) {
  std::array<uint8_t, kWordStreamOffset> bytes{};
  for (size_t i = 0; i < kIndexEntries; ++i) WriteU32(&bytes[i * 4], index[i]);
  EncodeHeader(header, &bytes[kHeaderOffset]);
  return bytes;
}

int SharedPrefix(const std::string& a, const std::string& b) {
  const size_t limit = std::min({a.size(), b.size(), static_cast<size_t>(kMaxShared)});
  size_t shared = 0;
  while (shared < limit && a[shared] == b[shared]) ++shared;
  return static_cast<int>(shared);
}

}  // namespace

void CreateEmptyLexicon(const std::string& path) {
  File file;
  OpenWithMessage(file, path, "wb", "Unable to create Lexicon: ");
  std::array<uint32_t, kIndexEntries> index;
  index.fill(kWordStreamOffset);
  DictionaryHeader header;
  header.compileTime = Now();
  const auto bytes = EncodeFileStart(index, header);
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.handle) == bytes.size();
  if (!file.CloseChecked() || !written) ThrowWriteFailure(path);
}

CompressDictionary::CompressDictionary(const std::string& lexiconPath)
    : path(lexiconPath), wordBuffer(std::make_unique_for_overwrite<char[]>(kWordBufferBytes)) {
  CreateEmptyLexicon(path);
  OpenWithMessage(file, path, "r+b", "Unable to create Dictionary: ");
  if (std::fseek(file.handle, kWordStreamOffset, SEEK_SET) != 0) ThrowWriteFailure(path);
  index[0] = kWordStreamOffset;
}

CompressDictionary::~CompressDictionary() {
  // After a failed write the file keeps the empty lexicon's index: finishing it would claim
  // words the file does not hold.
  if (closed || failed) return;
  try {
    Close();
  } catch (const SorvaneException&) {
    // Nobody is left to tell; the caller that abandoned the writer discards the file.
  }
}

bool CompressDictionary::AddWord(const std::string& word) {
  if (failed) ThrowWriteFailure(path);
  const int letters = ValidWordLength(word.c_str());
  if (!Fits(word, letters)) throw SorvaneException("Unable to create Dictionary: " + path);
  if (word == previousWord) return true;
  const int marks = static_cast<int>(word.size()) - letters;
  int shared = 0;
  if (letters > previousLetterCount) {
    previousLetterCount = letters;
  } else {
    shared = SharedPrefix(word, previousWord);
  }
  WriteWord(word, letters, marks, shared);
  ++wordCount;
  previousWord = word;
  return true;
}

bool CompressDictionary::Takes(const std::string& word) const {
  return Fits(word, ValidWordLength(word.c_str()));
}

// A word goes where the index can still point at it: the writer only ever moves forward through
// rows and columns, and a row or column it cannot name would lie outside the index.
bool CompressDictionary::Fits(const std::string& word, int letters) const {
  return !closed && letters != 0 && word.find('\0') == std::string::npos &&
         FoldCase(word[0]) >= 'a' && FoldCase(word[0]) <= 'z' && letters >= currentLetterCount &&
         (letters > currentLetterCount || FoldCase(word[0]) >= currentFirstLetter);
}

void CompressDictionary::WriteWord(const std::string& word, int letters, int marks, int shared) {
  while (currentLetterCount < letters) {
    // Columns of this row not reached by any word lead to the step that closes it.
    for (char c = currentFirstLetter + 1; c <= 'z'; ++c) SetEntry(currentLetterCount, c, position);
    WriteByte(LengthStep);
    ++currentLetterCount;
    currentFirstLetter = 'a';
    SetEntry(currentLetterCount, 'a', position);
  }
  const char firstLetter = static_cast<char>(FoldCase(word[0]));
  while (firstLetter > currentFirstLetter)
    SetEntry(currentLetterCount, ++currentFirstLetter, position);
  const uint8_t control = MakeControlByte(shared, marks);
  WriteByte(control);
  Write(word.data() + shared, word.size() - static_cast<size_t>(shared));
}

void CompressDictionary::SetEntry(int letterCount, char firstLetter, uint32_t offset) {
  index[static_cast<size_t>((letterCount - 1) * kIndexColumns + (firstLetter - 'a'))] = offset;
}

void CompressDictionary::WriteByte(uint8_t byte) {
  if (buffered == kWordBufferBytes) Flush();
  wordBuffer[buffered++] = static_cast<char>(byte);
  ++position;
}

void CompressDictionary::Write(const char* bytes, size_t count) {
  // count is a word's tail, a few dozen bytes at most: it always fits an emptied buffer.
  if (count > kWordBufferBytes - buffered) Flush();
  std::memcpy(wordBuffer.get() + buffered, bytes, count);
  buffered += count;
  position += static_cast<uint32_t>(count);
}

void CompressDictionary::Flush() {
  // The writer's stream is used by one thread: taking its lock would be only cost.
  if (fwrite_unlocked(wordBuffer.get(), 1, buffered, file.handle) != buffered) {
    failed = true;
    ThrowWriteFailure(path);
  }
  buffered = 0;
}

void CompressDictionary::Close() {
  if (failed) ThrowWriteFailure(path);
  if (closed) return;
  closed = true;
  // Everything after the last word written points at the end of the file.
  for (char c = currentFirstLetter + 1; c <= 'z'; ++c) SetEntry(currentLetterCount, c, position);
  for (int row = currentLetterCount + 1; row <= kIndexRows; ++row)
    for (char c = 'a'; c <= 'z'; ++c) SetEntry(row, c, position);
  Flush();
  header.compileTime = Now();
  header.wordCount = wordCount;
  const auto bytes = EncodeFileStart(index, header);
  const bool written = std::fseek(file.handle, 0, SEEK_SET) == 0 &&
                       std::fwrite(bytes.data(), 1, bytes.size(), file.handle) == bytes.size();
  if (file.CloseChecked() && written) return;
  failed = true;
  ThrowWriteFailure(path);
}
