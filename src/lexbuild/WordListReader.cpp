#include "lexbuild/WordListReader.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include "foundation/CharClass.h"
#include "foundation/SorvaneException.h"
#include "platform/Cp1252.h"

namespace {
constexpr size_t kReadSize = 65536;
constexpr int32_t kFileBufferSize = 4096;  // reads go past it into the reader's own buffer
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
}  // namespace

bool WordOfLine(std::string_view line, ListWord& word) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  if (line.size() > WordListReader::kMaxLineBytes) return false;
  uint8_t bytesOred = 0;
  for (const char c : line) {
    if (c == '\0') return false;
    bytesOred |= static_cast<uint8_t>(c);
  }
  // A plain ASCII line reads the same in both encodings: it is cleaned in a copy on the stack,
  // and only other lines are converted.
  const bool ascii = bytesOred < 0x80;
  char text[WordListReader::kMaxLineBytes + 1];
  std::optional<std::string> converted;
  if (ascii) {
    std::memcpy(text, line.data(), line.size());
    text[line.size()] = '\0';
  } else {
    converted = Cp1252::WordListLineToCp1252(line);
    if (!converted) return false;
  }
  int letters = 0;
  const char* clean = CleanWord(ascii ? text : converted->data(), &letters);
  if (!clean) return false;
  // Every character of a valid word is a letter or a mark.
  const size_t length = std::strlen(clean);
  word.text.assign(clean, length);
  word.letters = letters;
  word.marks = static_cast<int>(length) - letters;
  return true;
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

bool WordListReader::NextLines(std::string& lines) {
  lines.clear();
  while (lines.size() < kBatchBytes) {
    // The whole lines lying in the buffer go at once: an overlong one among them is still
    // whole, and WordOfLine refuses it.
    const char* from = buffer.data() + start;
    const size_t room = std::min(end - start, kBatchBytes - lines.size());
    if (const void* lastNewline = memrchr(from, '\n', room)) {
      const size_t taken = static_cast<const char*>(lastNewline) + 1 - from;
      lines.append(from, taken);
      start += taken;
      consumed += static_cast<int64_t>(taken);
      continue;
    }
    // A line running past the buffer is gathered on its own.
    std::string_view line;
    if (!NextLine(line)) break;
    if (overlong) continue;  // refused whole: no part of it may pass for a word
    lines.append(line);
    lines.push_back('\n');
  }
  return !lines.empty();
}
