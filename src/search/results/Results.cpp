#include "search/results/Results.h"

#include <stdio_ext.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

#include "foundation/CharClass.h"
#include "foundation/FileOps.h"
#include "foundation/FolderPaths.h"
#include "foundation/FoundationTextIds.h"
#include "foundation/LittleEndian.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "search/SearchTextIds.h"
#include "search/results/ReSortResultsThread.h"
#include "search/results/SaveResultsAsText.h"
#include "search/results/SearchCriteria.h"
#include "search/results/SortResultsThread.h"

namespace {

constexpr int32_t kDataBufferBytes = 5120;
constexpr int32_t kIndexBufferBytes = 2048;
// Appended results reach the streams once this many data bytes wait.
constexpr size_t kPendingBytes = 16384;

bool Seek(FILE* stream, uint64_t offset) {
  return ::fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

// The bytes that reached the file, whatever its stream still buffers.
uint64_t BytesInFile(const File& file) {
  struct stat info;
  return ::fstat(::fileno(file.handle), &info) == 0 ? static_cast<uint64_t>(info.st_size) : 0;
}

}  // namespace

Results::Results()
    : tempDataPath(MakeTempFilePath() + ".rls"), tempIndexPath(MakeTempFilePath() + ".idx") {
  LoadSortSettings();
}

Results::~Results() {
  CloseFiles();
  if (tempDataMade) DeleteFileIfExists(tempDataPath);
  if (tempIndexMade) DeleteFileIfExists(tempIndexPath);
}

void Results::CloseFiles() {
  std::lock_guard lock(fileMutex);
  dataFile.Close();
  indexFile.Close();
  ResetPending();
}

void Results::Clear() {
  CloseFiles();
  sorter.reset();
  dropGathered = false;
  gatheredEnd = kResultsHeaderBytes;
  count.store(0, std::memory_order_release);
  SetWordsPerResult(1);
  OpenTempFiles();
}

void Results::OpenTempFiles() {
  std::lock_guard lock(fileMutex);
  savedPairOpen = false;
  savedHeaderChanged = false;
  longest = 0;
  appended = 0;
  writePositionLost = false;
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header, bytes);
  CreateTempFile(dataFile, tempDataPath, tempDataMade, tempDataLock, ".rls", kDataBufferBytes);
  if (std::fwrite(bytes, 1, sizeof bytes, dataFile.handle) != sizeof bytes) {
    FailWriting(tempDataPath);
  }
  dataEnd = kResultsHeaderBytes;
  CreateTempFile(indexFile, tempIndexPath, tempIndexMade, tempIndexLock, ".idx",
                 kIndexBufferBytes);
  uint8_t entry[4];
  WriteU32(entry, dataEnd);
  if (std::fwrite(entry, 1, sizeof entry, indexFile.handle) != sizeof entry) {
    FailWriting(tempIndexPath);
  }
}

void Results::FailWriting(const std::string& path) {
  writeFailure = WriteFailureText(path);
  throw SorvaneException(writeFailure);
}

bool Results::WriteFailed() {
  std::lock_guard lock(fileMutex);
  return !writeFailure.empty();
}

// Names come from the clock, and another copy of the program drawing one in the same
// millisecond draws the same: the files are only ever created, and a name in use is drawn
// again. The store's own file from the search before is deleted first rather than truncated,
// which would also make the file system write it out when it is closed.
void Results::CreateTempFile(File& file, std::string& path, bool& made, TempFileLock& lock,
                             const char* extension, int32_t bufferBytes) {
  if (made) DeleteFileIfExists(path);
  made = false;
  lock.Release();
  try {
    while (!file.Create(path, bufferBytes)) path = MakeTempFilePath() + extension;
  } catch (const SorvaneException&) {
    // The Temp folder is missing or cannot be written: that is what the user is told.
    FailWriting(path);
  }
  made = true;
  lock.Hold(path);
}

void Results::Add(std::string_view text) {
  switch (EffectiveOrdering()) {
    case kOrderByWord:
    case kOrderByLengthThenWord:
      gatheredEnd = EndWith(gatheredEnd, text);
      if (!sorter) sorter = std::make_unique<ResultSorter>(ordering == kOrderByLengthThenWord);
      try {
        sorter->Add(text);
      } catch (const SorvaneException& failure) {
        // Results gathered went with the run that could not be written: none reach the pair.
        std::lock_guard lock(fileMutex);
        if (writeFailure.empty()) writeFailure = failure.what();
        throw;
      }
      break;
    default:
      Append(text);
  }
  // Counted once stored, so that a failed write never leaves a count the pair does not hold.
  count.fetch_add(1, std::memory_order_release);
}

void Results::Append(std::string_view text) {
  std::lock_guard lock(fileMutex);
  if (!writeFailure.empty()) throw SorvaneException(writeFailure);
  if (!dataFile.handle || !indexFile.handle) FailWriting(tempDataPath);
  const uint64_t next = EndWith(dataEnd, text);
  char entry[4];
  WriteU32(reinterpret_cast<uint8_t*>(entry), static_cast<uint32_t>(next));
  pendingData.append(text).append("\r\n", 2);
  pendingIndex.append(entry, sizeof entry);
  dataEnd = static_cast<uint32_t>(next);
  longest = std::max(longest, static_cast<uint32_t>(text.size()));
  ++appended;
  if (pendingData.size() >= kPendingBytes && !WritePending()) {
    throw SorvaneException(writeFailure);
  }
}

// The index's offsets address 4 GB of data: the results stop there, and the user is told so.
uint64_t Results::EndWith(uint64_t end, std::string_view text) const {
  const uint64_t next = end + text.size() + 2;
  if (next > dataLimit) throw SorvaneException(LoadResString(kResultsFullText));
  return next;
}

bool Results::WritePending() {
  if (!writeFailure.empty()) return false;
  if (pendingIndex.empty()) return true;
  const uint32_t writtenEnd = dataEnd - static_cast<uint32_t>(pendingData.size());
  const auto wrote = [](const std::string& bytes, const File& file) {
    return std::fwrite(bytes.data(), 1, bytes.size(), file.handle) == bytes.size();
  };
  if (writePositionLost &&
      (!Seek(dataFile.handle, writtenEnd) || ::fseeko(indexFile.handle, 0, SEEK_END) != 0)) {
    WriteFailedOn(dataFile);
  } else if (!wrote(pendingData, dataFile)) {
    WriteFailedOn(dataFile);
  } else if (!wrote(pendingIndex, indexFile)) {
    WriteFailedOn(indexFile);
  }
  const bool failed = !writeFailure.empty();
  // After a failure the streams may stand anywhere.
  writePositionLost = failed;
  pendingData.clear();
  pendingIndex.clear();
  return !failed;
}

// A stream's error stays set: a later flush, with nothing left to fail on, is no success.
bool Results::Flush() {
  bool flushed = WritePending();
  for (const File* file : {&dataFile, &indexFile}) {
    if (file->handle && (std::fflush(file->handle) != 0 || std::ferror(file->handle))) {
      WriteFailedOn(*file);
      flushed = false;
    }
  }
  return flushed;
}

void Results::WriteFailedOn(const File& file) {
  if (writeFailure.empty()) writeFailure = WriteFailureText(file.name);
  KeepWhatReachedTheFiles();
}

// A failed write leaves part of what the streams buffered unwritten, results handed over long
// before among it: only the files themselves tell what the pair holds. Index entries rise with
// the results, so the last whole result is the last entry that both reached the index and ends
// within the data that reached the data file.
void Results::KeepWhatReachedTheFiles() {
  if (!dataFile.handle || !indexFile.handle) return;
  // What is still buffered is dropped: it would fail again at every seek of a read.
  ::__fpurge(dataFile.handle);
  ::__fpurge(indexFile.handle);
  const uint64_t dataBytes = BytesInFile(dataFile);
  const uint64_t entriesHeld = BytesInFile(indexFile) / 4;
  const int index = ::fileno(indexFile.handle);
  const auto entry = [index](uint32_t i) -> uint64_t {
    uint8_t bytes[4];
    return ::pread(index, bytes, 4, static_cast<off_t>(i) * 4) == 4 ? ReadU32(bytes) : UINT64_MAX;
  };
  uint32_t low = 0;
  auto high = static_cast<uint32_t>(std::min<uint64_t>(appended, entriesHeld - 1));
  if (entriesHeld == 0 || entry(0) > dataBytes) high = 0;
  while (low < high) {
    const uint32_t middle = low + (high - low + 1) / 2;
    if (entry(middle) <= dataBytes) {
      low = middle;
    } else {
      high = middle - 1;
    }
  }
  appended = low;
  dataEnd = low == 0 ? kResultsHeaderBytes : static_cast<uint32_t>(entry(low));
  // The count never passes what the pair holds.
  count.store(std::min(Count(), appended), std::memory_order_release);
}

void Results::ResetPending() {
  pendingData.clear();
  pendingIndex.clear();
  writeFailure.clear();
}

bool Results::ReadEntries(uint32_t first, uint32_t* entries, uint32_t n) {
  // Every read of the pair starts here: what waits to be written is written first.
  WritePending();
  writePositionLost = true;
  std::vector<uint8_t> bytes(size_t{n} * 4);
  if (!Seek(indexFile.handle, uint64_t{first} * 4) ||
      std::fread(bytes.data(), 1, bytes.size(), indexFile.handle) != bytes.size()) {
    return false;
  }
  for (uint32_t i = 0; i < n; ++i) entries[i] = ReadU32(&bytes[size_t{i} * 4]);
  return true;
}

std::string Results::ReadRange(uint32_t begin, uint32_t end, bool withLineEnd) {
  // Entries are trusted no further than the data they point into.
  if (begin < kResultsHeaderBytes || end < begin + 2 || end > dataEnd) return {};
  std::string text(end - begin - (withLineEnd ? 0 : 2), '\0');
  writePositionLost = true;
  if (!Seek(dataFile.handle, begin) ||
      std::fread(text.data(), 1, text.size(), dataFile.handle) != text.size()) {
    return {};
  }
  return text;
}

std::string Results::GetResult(uint32_t index) {
  std::lock_guard lock(fileMutex);
  const uint32_t total = Count();
  if (index >= total || !dataFile.handle || !indexFile.handle) return {};
  const uint32_t stored = wordsPerResult < 2 && reverse ? total - 1 - index : index;
  uint32_t entries[2];
  if (!ReadEntries(stored, entries, 2)) return {};
  return ReadRange(entries[0], entries[1], false);
}

std::string Results::GetBlock(uint32_t from, uint32_t to) {
  std::lock_guard lock(fileMutex);
  const uint32_t end = std::min(to, Count());
  if (from >= end || !dataFile.handle || !indexFile.handle) return {};
  uint32_t first;
  uint32_t last;
  if (!ReadEntries(from, &first, 1) || !ReadEntries(end, &last, 1)) return {};
  return ReadRange(first, last, true);
}

uint64_t Results::LineBytes(uint64_t from, uint64_t to) {
  if (to <= from) return 0;
  std::lock_guard lock(fileMutex);
  const uint32_t total = Count();
  const uint64_t end = std::min<uint64_t>(to, total);
  uint64_t bytes = 2 * (to - std::max(from, end));
  if (from >= end || !dataFile.handle || !indexFile.handle) return bytes;
  // A run of results read in either direction is a run of stored ones.
  const bool reversed = wordsPerResult < 2 && reverse;
  const auto first = static_cast<uint32_t>(reversed ? total - end : from);
  const auto last = static_cast<uint32_t>(reversed ? total - from : end);
  uint32_t begin;
  uint32_t stop;
  if (ReadEntries(first, &begin, 1) && ReadEntries(last, &stop, 1) && stop >= begin) {
    bytes += stop - begin;
  }
  return bytes;
}

void Results::ReadStored(uint32_t from, uint32_t to, std::string& data,
                         std::vector<std::string_view>& texts) {
  texts.clear();
  std::lock_guard lock(fileMutex);
  const uint32_t end = std::min(to, Count());
  if (from >= end || !dataFile.handle || !indexFile.handle) return;
  std::vector<uint32_t> entries(end - from + 1);
  if (!ReadEntries(from, entries.data(), end - from + 1)) {
    texts.resize(end - from);
    return;
  }
  // One read of the whole range; each entry pair is then checked against it as GetResult checks.
  const uint32_t first = std::max<uint32_t>(entries.front(), kResultsHeaderBytes);
  const uint32_t last = std::min(std::max(entries.back(), first), dataEnd);
  data.assign(last > first ? last - first : 0, '\0');
  if (!data.empty() && (!Seek(dataFile.handle, first) ||
                        std::fread(data.data(), 1, data.size(), dataFile.handle) != data.size())) {
    data.clear();
  }
  const uint64_t readEnd = uint64_t{first} + data.size();
  for (uint32_t i = 0; i + 1 < entries.size(); ++i) {
    const uint32_t begin = entries[i];
    const uint32_t stop = entries[i + 1];
    if (begin < first || stop < uint64_t{begin} + 2 || stop > readEnd) {
      texts.emplace_back();
    } else {
      texts.emplace_back(data.data() + (begin - first), stop - begin - 2);
    }
  }
}

void Results::ReadInOrder(uint32_t blockSize,
                          const std::function<bool(const std::vector<std::string_view>&)>& take) {
  const uint32_t total = Count();
  const bool reversed = reverse && wordsPerResult < 2;
  std::string data;
  std::vector<std::string_view> texts;
  for (uint32_t done = 0; done < total;) {
    const uint32_t n = std::min(blockSize, total - done);
    const uint32_t from = reversed ? total - done - n : done;
    ReadStored(from, from + n, data, texts);
    if (reversed) std::reverse(texts.begin(), texts.end());
    if (!take(texts)) return;
    done += n;
  }
}

uint32_t Results::Longest() {
  std::lock_guard lock(fileMutex);
  return longest;
}

void Results::Finish(const ResultsHeader& criteria) {
  // Results as found are in the pair already: only the orderings need the sort job, unless the
  // results gathered are incomplete.
  if (EffectiveOrdering() != kOrderAsFound && !dropGathered && !WriteFailed()) {
    ProgressDialog dialog(nullptr, std::make_unique<SortResultsThread>(*this));
    dialog.SetMessage(LoadResString(kSortingResultsText));
    dialog.HideCancel();
    dialog.Start();
  }
  sorter.reset();
  // A failure so far ended the search or the sort, which told of it.
  const bool toldAlready = WriteFailed();
  {
    // What the pair holds, also when the sort failed part-way, once it holds every result.
    std::lock_guard lock(fileMutex);
    WritePending();
    count.store(appended, std::memory_order_release);
  }
  SearchFields fields;
  SearchOptions options;
  ReadCriteria(criteria, fields, options);
  WriteCriteria(header, fields, options);
  WriteHeaderTelling(toldAlready);
}

bool Results::WriteHeader() {
  std::lock_guard lock(fileMutex);
  // What waits reaches the files first (a finished search has nothing left), so that the
  // header counts what they hold even when that fails.
  const bool flushed = !dataFile.handle || savedPairOpen || Flush();
  header.magic = kResultsMagic;
  header.count = Count();
  header.longest = static_cast<uint16_t>(std::min<uint32_t>(longest, 0xFFFF));
  header.reverse = reverse;
  header.ordering = EffectiveOrdering();
  if (!dataFile.handle) return true;
  // A saved pair takes its new header when it is saved again (SaveToFile).
  savedHeaderChanged = savedPairOpen;
  if (savedPairOpen) return true;
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header, bytes);
  writePositionLost = true;
  // With its header written the pair is complete: it goes to the disk as a whole.
  if (!Seek(dataFile.handle, 0) ||
      std::fwrite(bytes, 1, sizeof bytes, dataFile.handle) != sizeof bytes ||
      std::fflush(dataFile.handle) != 0) {
    WriteFailedOn(dataFile);
    return false;
  }
  return flushed;
}

void Results::WriteHeaderTelling(bool toldAlready) {
  if (WriteHeader() || toldAlready) return;
  std::string failure;
  {
    std::lock_guard lock(fileMutex);
    failure = writeFailure;
  }
  ShowMessageBox(failure, LoadResString(kErrorCaption), MB_OK);
}

void Results::SetSortType(uint8_t newOrdering) {
  const uint8_t previous = EffectiveOrdering();
  ordering = newOrdering <= kOrderAsFound ? newOrdering : kOrderAsFound;
  if (Count() == 0 || ordering == previous || ordering == kOrderAsFound) return;
  SetWordsPerResult(1);
  auto reSort = std::make_unique<ReSortResultsThread>(*this);
  reSorting = reSort.get();
  ProgressDialog dialog(nullptr, std::move(reSort));
  dialog.SetMessage(LoadResString(kSortingResultsText));
  dialog.Start();
  reSorting = nullptr;
  // Start has waited for the worker: its outcome is final.
  const auto& job = static_cast<const ReSortResultsThread&>(*dialog.GetThread());
  if (dialog.WasCancelled() || dialog.GetResult() == -1) ordering = previous;
  if (!job.Rewrote()) return;
  // A failure so far ended the job, which told of it.
  const bool toldAlready = WriteFailed();
  {
    // What the new pair holds, also when the job failed part-way through writing it, once it
    // holds every result.
    std::lock_guard lock(fileMutex);
    WritePending();
    count.store(appended, std::memory_order_release);
  }
  WriteHeaderTelling(toldAlready);
}

void Results::AbandonReSort() {
  if (reSorting) reSorting->Abandon();
}

bool Results::SaveAsText(const std::string& path) {
  {
    std::lock_guard lock(fileMutex);
    if (!writeFailure.empty()) {
      ShowMessageBox(writeFailure, LoadResString(kErrorCaption), MB_OK);
      return false;
    }
  }
  ProgressDialog dialog(nullptr, std::make_unique<SaveResultsAsText>(path, *this));
  dialog.SetMessage(LoadResString(kSavingResultsText));
  dialog.Start();
  return !dialog.WasCancelled() && dialog.GetResult() != -1;
}

void Results::SetSortDirection(uint8_t reversed) {
  reverse = reversed ? 1 : 0;
  WriteHeaderTelling(WriteFailed());
}

void Results::LoadSortSettings() {
  Settings& settings = Settings::Instance();
  // Made before any search, the store holds nothing to re-sort: taking the ordering is all it
  // needs. A value no ordering has keeps results as found.
  const int32_t stored = settings.GetInt(SettingId::SortType);
  ordering = stored >= kOrderByWord && stored <= kOrderAsFound ? static_cast<uint8_t>(stored)
                                                                 : kOrderAsFound;
  SetSortDirection(settings.GetInt(SettingId::SortMode) != 0);
}

void Results::SaveSortSettings() {
  Settings& settings = Settings::Instance();
  settings.SetInt(SettingId::SortType, EffectiveOrdering());
  settings.SetInt(SettingId::SortMode, reverse);
}
