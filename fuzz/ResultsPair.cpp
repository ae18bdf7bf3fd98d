// Any bytes as a saved results pair, opened as a user opens one and read through every way the
// results grid and the tools read it. With a first byte of 0 the rest is split into the two
// files as they stand (two bytes give the index's length); otherwise a sound header is built
// around fields taken from the bytes and the index points at the lines of the rest, so that
// most inputs pass the checks and the reads behind them are reached.

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <string>

#include "foundation/SorvaneException.h"
#include "foundation/LittleEndian.h"
#include "FuzzFolder.h"
#include "search/results/Results.h"
#include "search/results/ResultsHeader.h"

namespace {

std::string folder;

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc).write(bytes.data(), bytes.size());
}

void RawPair(const uint8_t* data, size_t size, std::string& pairData, std::string& index) {
  const size_t indexLength = size < 3 ? 0 : std::min<size_t>(ReadU16(data + 1), size - 3);
  const char* rest = reinterpret_cast<const char*>(data) + std::min<size_t>(size, 3);
  index.assign(rest, indexLength);
  pairData.assign(rest + indexLength, size - std::min<size_t>(size, 3) - indexLength);
}

void BuiltPair(const uint8_t* data, size_t size, std::string& pairData, std::string& index) {
  uint8_t fields[8] = {};
  std::copy(data + 1, data + std::min<size_t>(size, 9), fields);
  std::string lines(reinterpret_cast<const char*>(data) + std::min<size_t>(size, 9),
                    reinterpret_cast<const char*>(data) + size);
  // The data ends with the last line, as a saved pair's does.
  const size_t lastLineEnd = lines.rfind("\r\n");
  lines.resize(lastLineEnd == std::string::npos ? 0 : lastLineEnd + 2);
  uint8_t entry[4];
  index.clear();
  WriteU32(entry, kResultsHeaderBytes);
  index.append(reinterpret_cast<char*>(entry), 4);
  uint32_t count = 0;
  for (size_t at = lines.find("\r\n"); at != std::string::npos; at = lines.find("\r\n", at + 2)) {
    WriteU32(entry, static_cast<uint32_t>(kResultsHeaderBytes + at + 2));
    index.append(reinterpret_cast<char*>(entry), 4);
    ++count;
  }
  ResultsHeader header;
  header.magic = kResultsMagic;
  // The bytes may say another count, longest, direction or ordering than the lines hold.
  header.count = fields[0] & 1 ? ReadU32(fields) >> 1 : count;
  header.longest = ReadU16(fields + 4);
  header.reverse = fields[6] & 3;
  header.ordering = fields[7] & 3;
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header, bytes);
  pairData.assign(reinterpret_cast<char*>(bytes), sizeof bytes);
  pairData += lines;
}

void ReadEverything(Results& results) {
  const uint32_t count = results.Count();
  const uint32_t shown = std::min<uint32_t>(count, 4096);
  results.Longest();
  for (uint32_t i = 0; i < shown; ++i) results.GetResult(i);
  results.GetResult(count);
  results.GetResult(count - 1);
  results.GetBlock(0, shown);
  results.GetBlock(count - std::min<uint32_t>(count, 5), count);
  results.SetSortDirection(results.Reverse() ? 0 : 1);
  for (uint32_t i = 0; i < std::min<uint32_t>(shown, 64); ++i) results.GetResult(i);
  results.WriteHeader();
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  folder = MakeFuzzFolder("fuzz-results");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  std::string pairData;
  std::string index;
  if (data[0] == 0) {
    RawPair(data, size, pairData, index);
  } else {
    BuiltPair(data, size, pairData, index);
  }
  WriteFile(folder + "pair.kvq", pairData);
  WriteFile(folder + "pair.idx", index);
  Results results;
  try {
    results.LoadFromFile(folder + "pair.kvq");
  } catch (const SorvaneException&) {
    return 0;
  }
  ReadEverything(results);
  return 0;
}
