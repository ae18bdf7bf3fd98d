#include "search/lexicon/LexiconWordStream.h"

#include "search/lexicon/LexiconFormat.h"

LexiconWordStream::LexiconWordStream(const uint8_t* bytes, size_t length)
    : data(bytes), size(length), position(length) {}

void LexiconWordStream::Seek(int count, int column) {
  current.clear();
  letterCount = count;
  position = size;
  if (size < kWordStreamOffset || count < 1 || count > kIndexRows || column < 0 ||
      column >= kIndexColumns)
    return;
  const uint32_t entry = ReadU32(data + ((count - 1) * kIndexColumns + column) * 4);
  if (entry >= kWordStreamOffset && entry <= size) position = entry;
}

bool LexiconWordStream::Next(std::string& word) {
  while (position < size && data[position] == LengthStep) {
    ++position;
    if (++letterCount > kIndexRows) return End();
  }
  if (position >= size) return End();
  const uint8_t control = data[position++];
  if (control & 0x80) return End();  // a byte with the step bit that is no step: damage
  const size_t shared = static_cast<size_t>(ControlShared(control));
  const size_t total = static_cast<size_t>(letterCount + ControlMarks(control));
  if (shared > current.size() || shared > total || total - shared > size - position) return End();
  const size_t tail = total - shared;
  current.resize(shared);
  current.append(reinterpret_cast<const char*>(data + position), tail);
  position += tail;
  word = current;
  return true;
}

bool LexiconWordStream::End() {
  position = size;
  return false;
}
