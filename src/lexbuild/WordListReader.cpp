#include "lexbuild/WordListReader.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

#include "foundation/CharClass.h"
#include "foundation/SorvaneException.h"
#include "platform/Cp1252.h"

namespace {
constexpr size_t kReadSize = 65536;
constexpr int32_t kFileBufferSize = 4096;  // reads go past it into the reader's own buffer
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

std::optional<ListWord> WordOfLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > WordListReader::kMaxLineBytes) return std::nullopt;
  if (line.find('\0') != std::string_view::npos) return std::nullopt;
  // A plain ASCII line reads the same in both encodings: it is cleaned in a copy on the stack,
  // and only other lines are converted.
  char text[WordListReader::kMaxLineBytes + 1];
  const bool ascii =
      std::none_of(line.begin(), line.end(), [](char c) { return static_cast<uint8_t>(c) >= 0x80; });
  std::optional<std::string> converted;
  if (ascii) {
    std::memcpy(text, line.data(), line.size());
    text[line.size()] = '\0';
  } else {
    converted = Cp1252::WordListLineToCp1252(line);
    if (!converted) return std::nullopt;
  }
  int letters = 0;
  const char* word = CleanWord(ascii ? text : converted->data(), &letters);
  if (!word) return std::nullopt;
  // Every character of a valid word is a letter or a mark.
  const size_t length = std::strlen(word);
  return ListWord{std::string(word, length), letters, static_cast<int>(length) - letters};
}

WordListReader::WordListReader(const std::string& listPath) : path(listPath) {
  file.Open(path, "rb", kFileBufferSize);
  length = file.Length();
  buffer.resize(kReadSize);
}

bool WordListReader::Refill() {
  const size_t got = std::fread(buffer.data(), 1, buffer.size(), file.handle);
  if (got == 0 && std::ferror(file.handle)) throw SorvaneException("Unable to Read File " + path);
  start = 0;
  end = got;
  if (atFileStart && std::string_view(buffer.data(), end).starts_with(kByteOrderMark)) {
    start = kByteOrderMark.size();
    consumed += static_cast<int64_t>(start);
  }
  atFileStart = false;
  return got > 0;
}

bool WordListReader::NextLine(std::string_view& line) {
  pending.clear();
  overlong = false;
  for (;;) {
    if (start == end && (atEnd || !Refill())) {
      atEnd = true;
      // A last line without its LF still counts; the end itself is no line.
      line = pending;
      return !pending.empty() || overlong;
    }
    const char* from = buffer.data() + start;
    const void* newline = std::memchr(from, '\n', end - start);
    const size_t taken = newline ? static_cast<const char*>(newline) - from : end - start;
    const size_t step = taken + (newline ? 1 : 0);
    start += step;
    consumed += static_cast<int64_t>(step);
    // One byte over the limit leaves room for the CR of a Windows line end.
    if (pending.size() + taken > kMaxLineBytes + 1) {
      overlong = true;
      pending.clear();
    }
    if (newline && pending.empty() && !overlong) {
      line = std::string_view(from, taken);  // the whole line lies in the buffer
      return true;
    }
    if (!overlong) pending.append(from, taken);
    if (newline) {
      line = pending;
      return true;
    }
  }
}

bool WordListReader::Next(ListWord& word) {
  std::string_view line;
  while (NextLine(line)) {
    if (overlong) continue;  // refused whole: no part of it may pass for a word
    if (std::optional<ListWord> found = WordOfLine(line)) {
      word = std::move(*found);
      return true;
    }
  }
  return false;
}
