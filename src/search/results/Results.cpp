#include "search/results/Results.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <limits>
#include <vector>

#include "foundation/FolderPaths.h"
#include "foundation/FileOps.h"
#include "foundation/ProgressDialog.h"
#include "foundation/ResStrings.h"
#include "foundation/SettingIds.h"
#include "foundation/Settings.h"
#include "foundation/SorvaneException.h"
#include "foundation/CharClass.h"
#include "foundation/LittleEndian.h"
#include "search/results/SortResultsThread.h"

namespace {

constexpr int32_t kDataBufferBytes = 5120;
constexpr int32_t kIndexBufferBytes = 2048;
constexpr int32_t kSortingResultsText = 8364;

bool Seek(FILE* stream, uint64_t offset) {
  return ::fseeko(stream, static_cast<off_t>(offset), SEEK_SET) == 0;
}

template <size_t N>
void CopyHeaderText(char (&into)[N], const char (&from)[N]) {
  SetHeaderText(into, std::string_view(from, ::strnlen(from, N)));
}

}  // namespace

bool ByWord::operator()(const std::string& a, const std::string& b) const {
  return CompareWords(a.c_str(), b.c_str()) < 0;
}

CountedText::CountedText(std::string word)
    : letters(CountLetters(word.c_str())), text(std::move(word)) {}

bool ByLengthThenWord::operator()(const CountedText& a, const CountedText& b) const {
  if (a.letters != b.letters) return a.letters < b.letters;
  return CompareWords(a.text.c_str(), b.text.c_str()) < 0;
}

Results::Results()
    : tempDataPath_(MakeTempFilePath() + ".rls"), tempIndexPath_(MakeTempFilePath() + ".idx") {
  LoadSortSettings();
}

Results::~Results() {
  CloseFiles();
  DeleteFileIfExists(tempDataPath_);
  DeleteFileIfExists(tempIndexPath_);
}

void Results::CloseFiles() {
  std::lock_guard lock(fileMutex_);
  dataFile_.Close();
  indexFile_.Close();
}

void Results::Clear() {
  CloseFiles();
  wordSet_.clear();
  lengthSet_.clear();
  count_.store(0, std::memory_order_release);
  wordsPerResult_ = 1;
  OpenTempFiles();
}

void Results::OpenTempFiles() {
  std::lock_guard lock(fileMutex_);
  longest_ = 0;
  appended_ = 0;
  writePositionLost_ = false;
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header_, bytes);
  CreateTempFile(dataFile_, tempDataPath_, ".rls", kDataBufferBytes);
  if (std::fwrite(bytes, 1, sizeof bytes, dataFile_.handle) != sizeof bytes) {
    throw SorvaneException("Unable to Write File " + tempDataPath_);
  }
  dataEnd_ = kResultsHeaderBytes;
  CreateTempFile(indexFile_, tempIndexPath_, ".idx", kIndexBufferBytes);
  tempFilesMade_ = true;
  uint8_t entry[4];
  WriteU32(entry, dataEnd_);
  if (std::fwrite(entry, 1, sizeof entry, indexFile_.handle) != sizeof entry) {
    throw SorvaneException("Unable to Write File " + tempIndexPath_);
  }
}

// Names come from the clock, and another copy of the program drawing one in the same
// millisecond draws the same: the files are only ever created, and a name in use is drawn
// again. The store's own file from the search before is deleted first rather than truncated,
// which would also make the file system write it out when it is closed.
void Results::CreateTempFile(File& file, std::string& path, const char* extension,
                             int32_t bufferBytes) {
  if (tempFilesMade_) DeleteFileIfExists(path);
  while (!file.Create(path, bufferBytes)) path = MakeTempFilePath() + extension;
}

void Results::Add(const std::string& text) {
  switch (EffectiveOrdering()) {
    case kOrderByWord:
      wordSet_.insert(text);
      break;
    case kOrderByLengthThenWord:
      lengthSet_.emplace(text);
      break;
    default:
      Append(text);
  }
  // Counted once stored, so that a failed write never leaves a count the pair does not hold.
  count_.fetch_add(1, std::memory_order_release);
}

void Results::Append(const std::string& text) {
  std::lock_guard lock(fileMutex_);
  if (!dataFile_.handle || !indexFile_.handle) {
    throw SorvaneException("Unable to Write File " + tempDataPath_);
  }
  const uint64_t next = uint64_t{dataEnd_} + text.size() + 2;
  if (next > std::numeric_limits<uint32_t>::max()) {
    throw SorvaneException("Unable to Write File " + dataFile_.name);
  }
  if (writePositionLost_ &&
      (!Seek(dataFile_.handle, dataEnd_) || ::fseeko(indexFile_.handle, 0, SEEK_END) != 0)) {
    throw SorvaneException("Unable to Write File " + dataFile_.name);
  }
  // Until both writes succeed the streams may stand anywhere.
  writePositionLost_ = true;
  uint8_t entry[4];
  WriteU32(entry, static_cast<uint32_t>(next));
  // The streams are only used under fileMutex_, so their own locks, taken at every call of a
  // search's many small writes, are left out.
  if (fwrite_unlocked(text.data(), 1, text.size(), dataFile_.handle) != text.size() ||
      fwrite_unlocked("\r\n", 1, 2, dataFile_.handle) != 2) {
    throw SorvaneException("Unable to Write File " + dataFile_.name);
  }
  if (fwrite_unlocked(entry, 1, sizeof entry, indexFile_.handle) != sizeof entry) {
    throw SorvaneException("Unable to Write File " + indexFile_.name);
  }
  writePositionLost_ = false;
  dataEnd_ = static_cast<uint32_t>(next);
  longest_ = std::max(longest_, static_cast<uint32_t>(text.size()));
  ++appended_;
}

bool Results::ReadEntries(uint32_t first, uint32_t* entries, uint32_t n) {
  writePositionLost_ = true;
  std::vector<uint8_t> bytes(size_t{n} * 4);
  if (!Seek(indexFile_.handle, uint64_t{first} * 4) ||
      std::fread(bytes.data(), 1, bytes.size(), indexFile_.handle) != bytes.size()) {
    return false;
  }
  for (uint32_t i = 0; i < n; ++i) entries[i] = ReadU32(&bytes[size_t{i} * 4]);
  return true;
}

std::string Results::ReadRange(uint32_t begin, uint32_t end, bool withLineEnd) {
  // Entries are trusted no further than the data they point into.
  if (begin < kResultsHeaderBytes || end < begin + 2 || end > dataEnd_) return {};
  std::string text(end - begin - (withLineEnd ? 0 : 2), '\0');
  writePositionLost_ = true;
  if (!Seek(dataFile_.handle, begin) ||
      std::fread(text.data(), 1, text.size(), dataFile_.handle) != text.size()) {
    return {};
  }
  return text;
}

std::string Results::GetResult(uint32_t index) {
  std::lock_guard lock(fileMutex_);
  const uint32_t count = Count();
  if (index >= count || !dataFile_.handle || !indexFile_.handle) return {};
  const uint32_t stored = wordsPerResult_ < 2 && reverse_ ? count - 1 - index : index;
  uint32_t entries[2];
  if (!ReadEntries(stored, entries, 2)) return {};
  return ReadRange(entries[0], entries[1], false);
}

std::string Results::GetBlock(uint32_t from, uint32_t to) {
  std::lock_guard lock(fileMutex_);
  const uint32_t end = std::min(to, Count());
  if (from >= end || !dataFile_.handle || !indexFile_.handle) return {};
  uint32_t first;
  uint32_t last;
  if (!ReadEntries(from, &first, 1) || !ReadEntries(end, &last, 1)) return {};
  return ReadRange(first, last, true);
}

uint32_t Results::Longest() {
  std::lock_guard lock(fileMutex_);
  return longest_;
}

void Results::Finish(const ResultsHeader& criteria) {
  // Results as found are in the pair already: only the orderings need the sort job.
  if (EffectiveOrdering() != kOrderAsFound) {
    ProgressDialog dialog(nullptr, std::make_unique<SortResultsThread>(*this));
    dialog.SetMessage(LoadResString(kSortingResultsText));
    dialog.HideCancel();
    dialog.Start();
  }
  wordSet_.clear();
  lengthSet_.clear();
  {
    // What the pair holds, also when the sort failed part-way.
    std::lock_guard lock(fileMutex_);
    count_.store(appended_, std::memory_order_release);
  }
  CopyHeaderText(header_.find, criteria.find);
  CopyHeaderText(header_.from, criteria.from);
  CopyHeaderText(header_.include, criteria.include);
  CopyHeaderText(header_.exclude, criteria.exclude);
  CopyHeaderText(header_.keyWords, criteria.keyWords);
  header_.useAllFrom = criteria.useAllFrom;
  header_.suppressPermutations = criteria.suppressPermutations;
  header_.caseSensitive = criteria.caseSensitive;
  header_.reuseFromLetters = criteria.reuseFromLetters;
  WriteHeader();
}

bool Results::WriteHeader() {
  std::lock_guard lock(fileMutex_);
  header_.magic = kResultsMagic;
  header_.count = Count();
  header_.longest = static_cast<uint16_t>(std::min<uint32_t>(longest_, 0xFFFF));
  header_.reverse = reverse_;
  header_.ordering = EffectiveOrdering();
  if (!dataFile_.handle) return true;
  uint8_t bytes[kResultsHeaderBytes];
  EncodeResultsHeader(header_, bytes);
  writePositionLost_ = true;
  // With its header written the pair is complete: it goes to the disk as a whole.
  return Seek(dataFile_.handle, 0) &&
         std::fwrite(bytes, 1, sizeof bytes, dataFile_.handle) == sizeof bytes &&
         std::fflush(dataFile_.handle) == 0 && (!indexFile_.handle || std::fflush(indexFile_.handle) == 0);
}

void Results::SetSortDirection(uint8_t reverse) {
  reverse_ = reverse ? 1 : 0;
  WriteHeader();
}

void Results::LoadSortSettings() {
  Settings& settings = Settings::Instance();
  // Made before any search, the store holds nothing to re-sort: taking the ordering is all it
  // needs. A value no ordering has keeps results as found.
  const int32_t ordering = settings.GetInt(SettingId::SortType);
  ordering_ = ordering >= kOrderByWord && ordering <= kOrderAsFound ? static_cast<uint8_t>(ordering)
                                                                     : kOrderAsFound;
  SetSortDirection(settings.GetInt(SettingId::SortMode) != 0);
}

void Results::SaveSortSettings() {
  Settings& settings = Settings::Instance();
  settings.SetInt(SettingId::SortType, EffectiveOrdering());
  settings.SetInt(SettingId::SortMode, reverse_);
}
