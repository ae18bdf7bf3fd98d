#include "search/results/ResultsHeader.h"

#include <cstring>

#include "foundation/LittleEndian.h"

namespace {

template <size_t N>
bool Ended(const char (&field)[N]) {
  return std::memchr(field, '\0', N) != nullptr;
}

// From offset 12 on, every field is made of single bytes: texts, options and reserve.
constexpr size_t kBytesFrom = offsetof(ResultsHeader, find);
constexpr size_t kByteFields = kResultsHeaderBytes - kBytesFrom;

}  // namespace

bool HeaderTextsEnded(const ResultsHeader& header) {
  return Ended(header.find) && Ended(header.from) && Ended(header.include) &&
         Ended(header.exclude) && Ended(header.keyWords);
}

void EncodeResultsHeader(const ResultsHeader& header, uint8_t* bytes) {
  WriteU32(bytes, header.magic);
  WriteU32(bytes + 4, header.count);
  WriteU16(bytes + 8, header.longest);
  bytes[10] = header.reverse;
  bytes[11] = header.ordering;
  std::memcpy(bytes + kBytesFrom, reinterpret_cast<const uint8_t*>(&header) + kBytesFrom,
              kByteFields);
}

ResultsHeader DecodeResultsHeader(const uint8_t* bytes) {
  ResultsHeader header;
  header.magic = ReadU32(bytes);
  header.count = ReadU32(bytes + 4);
  header.longest = ReadU16(bytes + 8);
  header.reverse = bytes[10];
  header.ordering = bytes[11];
  std::memcpy(reinterpret_cast<uint8_t*>(&header) + kBytesFrom, bytes + kBytesFrom, kByteFields);
  return header;
}
