// Saved results: opening a ".kvq"/".idx" pair after checking it, and saving the current pair
// under a new name.

#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string_view>
#include <utility>
#include <vector>

#include "foundation/CopyFileThread.h"
#include "foundation/FileCopy.h"
#include "foundation/FileWriteLock.h"
#include "foundation/FolderPaths.h"
#include "foundation/LittleEndian.h"
#include "foundation/PathText.h"
#include "foundation/ResStrings.h"
#include "foundation/SorvaneException.h"
#include "foundation/StagedSave.h"
#include "platform/FileSys.h"
#include "search/SearchTextIds.h"
#include "search/results/Results.h"

namespace {

constexpr int32_t kFileBufferBytes = 2048;
constexpr size_t kEntriesPerRead = 4096;

SorvaneException NotValid() { return SorvaneException("Not a valid results file"); }

// What the check of a pair learnt from its index.
struct PairExtent {
  uint32_t longest = 0;  // the longest result actually stored
  uint32_t dataEnd = 0;  // offset past the last result
};

// Results whose lines a check reads from the data file: a few, spread from the first to the last,
// so that opening takes the same time at any size.
constexpr uint32_t kSampledResults = 32;
// A sampled result longer than this (no word is) is read at its two ends only.
constexpr uint32_t kLongestLineRead = 4096;

// The index entries that start and end one sampled result.
struct SampledResult {
  uint32_t number = 0;  // from 1
  uint32_t begin = 0;
  uint32_t end = 0;
};

// Results 1 to count, kSampledResults of them spread evenly (all of a small pair), in order.
std::vector<SampledResult> ResultsToSample(uint32_t count) {
  std::vector<SampledResult> samples;
  const uint64_t n = std::min(count, kSampledResults);
  for (uint64_t k = 0; k < n; ++k) {
    const auto number = static_cast<uint32_t>(1 + (n == 1 ? 0 : k * (count - 1) / (n - 1)));
    if (samples.empty() || samples.back().number != number) samples.push_back({number});
  }
  return samples;
}

// Appends length bytes read at offset, past the stream's buffer, which keeps nothing of them for
// the reads of results after opening.
bool ReadAt(File& file, uint64_t offset, size_t length, std::string& bytes) {
  const size_t before = bytes.size();
  bytes.resize(before + length);
  return ::pread(::fileno(file.handle), bytes.data() + before, length,
                 static_cast<off_t>(offset)) == static_cast<ssize_t>(length);
}

// Whether the entries of a result mark one line of the data: the line before it ends with CR LF
// just in front of it (unless it is the first), its own CR LF ends it, and no CR or LF stands
// between. An index from another save points into the data's lines elsewhere.
bool IsOneLine(File& data, const SampledResult& result) {
  const bool lineBefore = result.begin > kResultsHeaderBytes;
  const uint32_t from = lineBefore ? result.begin - 2 : result.begin;
  std::string bytes;
  const bool read = result.end - from <= kLongestLineRead
                        ? ReadAt(data, from, result.end - from, bytes)
                        : ReadAt(data, from, result.begin - from, bytes) &&
                              ReadAt(data, result.end - 2, 2, bytes);
  if (!read || !bytes.ends_with("\r\n")) return false;
  if (lineBefore && !bytes.starts_with("\r\n")) return false;
  const std::string_view text(bytes.data() + (lineBefore ? 2 : 0),
                              bytes.size() - (lineBefore ? 4 : 2));
  return text.find_first_of("\r\n") == std::string_view::npos;
}

// A pair is used only when its index and data agree: one entry more than the header's count,
// starting at 824, each result at least its CR LF long, the last ending where the data file
// ends, and each sampled result one line of the data. A pair whose two files come from two saves
// (put together by hand, or opened while a save moved in) fails one of these unless the two
// indexes agree at every sampled result.
PairExtent CheckPair(const ResultsHeader& header, File& data, File& index) {
  if (!HeaderTextsEnded(header) || header.reverse > 1 || header.ordering > kOrderAsFound) {
    throw NotValid();
  }
  const int64_t dataLength = data.Length();
  if (index.Length() != (int64_t{header.count} + 1) * 4) throw NotValid();
  if (std::fseek(index.handle, 0, SEEK_SET) != 0) throw NotValid();

  PairExtent extent;
  std::vector<SampledResult> samples = ResultsToSample(header.count);
  auto sample = samples.begin();
  int64_t previous = -1;
  std::vector<uint8_t> bytes(kEntriesPerRead * 4);
  uint64_t first = 0;  // the number of the result that the block's first entry ends
  for (uint64_t left = uint64_t{header.count} + 1; left > 0;) {
    const size_t n = static_cast<size_t>(std::min<uint64_t>(left, kEntriesPerRead));
    if (std::fread(bytes.data(), 4, n, index.handle) != n) throw NotValid();
    const int64_t beforeBlock = previous;
    for (size_t i = 0; i < n; ++i) {
      const uint32_t entry = ReadU32(&bytes[i * 4]);
      if (previous < 0 ? entry != kResultsHeaderBytes : entry < previous + 2) throw NotValid();
      if (entry > dataLength) throw NotValid();
      if (previous >= 0) {
        extent.longest = std::max(extent.longest, static_cast<uint32_t>(entry - previous - 2));
      }
      previous = entry;
    }
    // The block's sampled results, taken after the pass so that it costs the pass nothing.
    for (; sample != samples.end() && sample->number < first + n; ++sample) {
      const size_t at = static_cast<size_t>(sample->number - first);
      sample->begin = at == 0 ? static_cast<uint32_t>(beforeBlock) : ReadU32(&bytes[(at - 1) * 4]);
      sample->end = ReadU32(&bytes[at * 4]);
    }
    first += n;
    left -= n;
  }
  if (previous != dataLength) throw NotValid();
  for (const SampledResult& result : samples)
    if (!IsOneLine(data, result)) throw NotValid();
  extent.dataEnd = static_cast<uint32_t>(previous);
  return extent;
}

ResultsHeader ReadHeader(const std::string& path) {
  File file;
  file.Open(path, "rb", kFileBufferBytes);
  uint8_t bytes[kResultsHeaderBytes];
  if (std::fread(bytes, 1, sizeof bytes, file.handle) != sizeof bytes) throw NotValid();
  const ResultsHeader header = DecodeResultsHeader(bytes);
  if (header.magic != kResultsMagic) throw NotValid();
  return header;
}

// A saved pair is only read, so the copy takes the header as it stands now (a direction
// changed since loading, say).
bool WriteHeaderInto(const std::string& path, const uint8_t (&bytes)[kResultsHeaderBytes]) {
  File file;
  try {
    file.Open(path, "r+b", kFileBufferBytes);
  } catch (const SorvaneException&) {
    return false;
  }
  const bool written = std::fwrite(bytes, 1, sizeof bytes, file.handle) == sizeof bytes;
  return file.CloseChecked() && written;
}

// The bytes a file holds; 0 when it cannot be read.
uint64_t FileBytes(const std::string& path) {
  std::error_code error;
  const uintmax_t bytes = std::filesystem::file_size(path, error);
  return error ? 0 : bytes;
}

}  // namespace

ResultsHeader Results::LoadFromFile(const std::string& path) {
  // Everything is opened and checked on the side; the current pair is left alone until then.
  // The name as saved ("r1" for "r1.kvq") is as good as the data file's own.
  const ResultsHeader loaded =
      ReadHeader(FileSys::Current().Exists(path) ? path : ChangeFileExt(path, ".kvq"));
  File data;
  // Read-only: a user's pair is written only by a save, never by reading or re-sorting it.
  data.Open(ChangeFileExt(path, ".kvq"), "rb", kFileBufferBytes);
  File index;
  index.Open(ChangeFileExt(path, ".idx"), "rb", kFileBufferBytes);
  const PairExtent extent = CheckPair(loaded, data, index);

  std::lock_guard lock(fileMutex);
  dataFile = std::move(data);
  indexFile = std::move(index);
  ResetPending();
  longest = extent.longest;
  dataEnd = extent.dataEnd;
  appended = loaded.count;
  writePositionLost = true;
  savedPairOpen = true;
  savedHeaderChanged = false;
  count.store(loaded.count, std::memory_order_release);
  reverse = loaded.reverse;
  ordering = loaded.ordering;
  header = loaded;
  wordsPerResult = 1;  // a saved pair does not say; each line is a result of its own
  sorter.reset();
  return loaded;
}

bool Results::SaveToFile(const std::string& path) {
  const std::string dataCopy = ChangeFileExt(path, ".kvq");
  const std::string indexCopy = ChangeFileExt(path, ".idx");
  std::string dataName;
  std::string indexName;
  uint8_t headerBytes[kResultsHeaderBytes];
  std::string failure;
  bool newHeader;
  uint64_t heldDataBytes;
  uint64_t heldIndexBytes;
  {
    std::lock_guard lock(fileMutex);
    dataName = dataFile.name;
    indexName = indexFile.name;
    const bool hasPair = dataFile.handle && indexFile.handle;
    if (hasPair && SameFile(dataCopy, dataName)) return true;
    // The copies read the files by name: what the streams still buffer must reach them first.
    // A store whose writes failed is incomplete, and never saved.
    if (!Flush()) {
      failure = writeFailure;
    } else if (!hasPair) {
      failure = LoadResString(kNoResultsToSaveText);
    }
    newHeader = savedHeaderChanged;
    EncodeResultsHeader(header, headerBytes);
    heldDataBytes = dataEnd;
    heldIndexBytes = (uint64_t{appended} + 1) * 4;
  }

  if (failure.empty() && (SameFile(dataCopy, indexName) || SameFile(indexCopy, dataName) ||
                          SameFile(indexCopy, indexName))) {
    // Moving a copy over the pair being read would pull it from under the store; nothing is
    // touched.
    failure = "File Already Open " + (SameFile(dataCopy, indexName) ? dataCopy : indexCopy);
  } else if (failure.empty()) {
    try {
      // Another save to the same name, in this program or another, waits its turn: the name
      // holds one save's whole pair.
      const FileWriteLock lock(dataCopy);
      if (!lock.Granted()) return false;
      // Both halves are written in full beside the old pair before either replaces it.
      StagedSave data(dataCopy);
      StagedSave index(indexCopy);
      if (!ShowCopyProgress(dataName, data.Path(), &failure) ||
          !ShowCopyProgress(indexName, index.Path(), &failure)) {
        // A stop signal ends a copy without a failure of its own.
        if (failure.empty()) failure = LoadResString(kSaveStoppedText) + dataCopy;
      } else if (FileBytes(data.Path()) < heldDataBytes ||
                 FileBytes(index.Path()) < heldIndexBytes) {
        // The working files lost results on their way to the disk, unseen until now.
        failure = WriteFailureText(dataName);
      } else if ((!newHeader || WriteHeaderInto(data.Path(), headerBytes)) &&
                 StagedSave::MoveInPair(data, index)) {
        return true;
      } else {
        failure = WriteFailureText(dataCopy);
      }
      // The user knows the file by the name they gave, not by the one written beside it.
      for (const auto& [staged, target] :
           {std::pair{data.Path(), dataCopy}, std::pair{index.Path(), indexCopy}}) {
        if (const size_t at = failure.find(staged); at != std::string::npos)
          failure.replace(at, staged.size(), target);
      }
    } catch (const SorvaneException& refused) {
      failure = refused.what();
    }
  }
  ShowMessageBox(failure, LoadResString(kUnableToOpenFileText), MB_OK);
  return false;
}
